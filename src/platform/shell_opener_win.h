#pragma once

#include "platform/shell_opener.h"

namespace pelaconf {

class Win32ShellOpener : public ShellOpener {
public:
    bool Open(std::string_view address) override;
};

} // namespace pelaconf
