#pragma once
// Starting another program by its command line.

#include <string_view>

namespace pelaconf {

class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // Starts the command line with the system's search order for the program; true when the
    // process was created.
    virtual bool Start(std::string_view commandLine) = 0;
};

} // namespace pelaconf
