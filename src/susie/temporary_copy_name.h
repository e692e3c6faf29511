#pragma once
// The name of the copy of a picture that is handed to a plug-in when the plug-in cannot be told
// the picture's own path: plain ASCII, so that any ANSI code page holds it.

#include <cstdint>
#include <string>
#include <string_view>

namespace pelaconf {

// "Pelaconf" and the number in eight hexadecimal digits, with the extension of the path's file
// name when that is ASCII letters and digits: plug-ins that cannot tell their format from its
// bytes go by the extension. "D:\写真\夜景.ppm" and 0x1F gives "Pelaconf0000001F.ppm".
std::string TemporaryCopyName(std::string_view path, uint32_t number);

} // namespace pelaconf
