#pragma once
// Addresses handed to the shell, recorded for the core's tests; the shell can be made to fail.

#include "platform/shell_opener.h"

#include <string>
#include <vector>

namespace pelaconf::testing {

class FakeShellOpener : public ShellOpener {
public:
    std::vector<std::string> opened;
    bool fail = false;

    bool Open(std::string_view address) override {
        opened.emplace_back(address);
        return !fail;
    }
};

} // namespace pelaconf::testing
