#pragma once
// Opening an address (a web page, a document) with the program the system associates with it.

#include <string_view>

namespace pelaconf {

class ShellOpener {
public:
    virtual ~ShellOpener() = default;
    // Asks the shell to open the address, its window shown normally; true when the shell did.
    virtual bool Open(std::string_view address) = 0;
};

} // namespace pelaconf
