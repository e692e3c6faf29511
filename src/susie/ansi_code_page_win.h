#pragma once
// Paths in the system's ANSI code page, the only form of a path a Susie plug-in can be given.

#include <optional>
#include <string>

namespace pelaconf {

// The path as a plug-in can read it: in the ANSI code page, or its short (8.3) form when the
// ANSI code page cannot hold the long one. Empty when neither form can be given.
std::optional<std::string> AnsiPathForPlugin(const std::string& utf8Path);

} // namespace pelaconf
