#include "susie/temporary_copy_name.h"

#include <algorithm>
#include <cstdio>

namespace pelaconf {
namespace {

// Longer extensions are no picture formats a plug-in knows.
constexpr size_t kLongestExtension = 8;

bool IsAsciiLetterOrDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The extension with its dot, or empty when the file name has none that can go into the name.
std::string_view AsciiExtension(std::string_view path) {
    const size_t nameStart = path.find_last_of("\\/:");
    const std::string_view name = nameStart == std::string_view::npos ? path : path.substr(nameStart + 1);
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) {
        return {};
    }
    const std::string_view extension = name.substr(dot + 1);
    if (extension.empty() || extension.size() > kLongestExtension ||
        !std::all_of(extension.begin(), extension.end(), IsAsciiLetterOrDigit)) {
        return {};
    }
    return name.substr(dot);
}

} // namespace

std::string TemporaryCopyName(std::string_view path, uint32_t number) {
    char stem[17];
    std::snprintf(stem, sizeof stem, "Pelaconf%08X", static_cast<unsigned>(number));
    return std::string(stem) + std::string(AsciiExtension(path));
}

} // namespace pelaconf
