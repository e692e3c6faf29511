#pragma once
// The system's ANSI code page, which Susie plug-ins speak.

#include "susie/plugin_description.h"

#include <optional>
#include <string>

namespace pelaconf {

class Win32AnsiCodePage : public AnsiCodePage {
public:
    bool IsLeadByte(uint8_t byte) const override;
    std::string ToUtf8(std::string_view ansi) const override;
};

// The path as a plug-in can read it: in the ANSI code page, or its short (8.3) form when the
// ANSI code page cannot hold the long one. Empty when neither form can be given.
std::optional<std::string> AnsiPathForPlugin(const std::string& utf8Path);

} // namespace pelaconf
