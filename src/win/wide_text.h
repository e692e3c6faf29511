#pragma once
// The one pair of conversions between the program's UTF-8 text and the UTF-16 of Win32 calls.

#include <string>
#include <string_view>

namespace pelaconf {

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

} // namespace pelaconf
