#pragma once
// Loading a plug-in module in a plug-in host, and the one failure that is not the plug-in's: a
// host program that cannot be started (missing beside Pelaconf, or its start refused). Then no
// plug-in of that machine can be asked anything, and the user is told which program it was rather
// than that a plug-in failed.

#include <string>
#include <string_view>

namespace pelaconf {

struct PluginLoad {
    bool loaded = false;
    // The file name of the host program that could not be started; empty when it started (the
    // module then loaded or failed on its own).
    std::string hostNotStarted;

    explicit operator bool() const { return loaded; }
};

// What the user is told when the host program could not be started.
std::string HostNotStartedMessage(std::string_view hostProgram);

} // namespace pelaconf
