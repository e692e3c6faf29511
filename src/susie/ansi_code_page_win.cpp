#include "susie/ansi_code_page_win.h"

#include "win/wide_text.h"

#include <windows.h>

#include <algorithm>

namespace pelaconf {
namespace {

std::wstring AnsiToWide(const std::string& ansi) {
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(std::max(length, 0)), L'\0');
    if (length > 0) {
        MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), length);
    }
    return wide;
}

// The wide text in the ANSI code page; empty when a character has no exact form there. The form
// is exact when it reads back as the same text: this also holds under code page 65001 (the
// "Unicode UTF-8" system setting), which refuses WC_NO_BEST_FIT_CHARS and a default-character
// pointer, and it turns down best-fit forms ("Ā" as "A"), which would name another file.
std::optional<std::string> WideToAnsiExactly(const std::wstring& wide) {
    if (wide.empty()) {
        return std::string();
    }
    const int length =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    if (length <= 0) {
        return std::nullopt;
    }
    std::string ansi(static_cast<size_t>(length), '\0');
    if (WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), length, nullptr,
                            nullptr) != length ||
        AnsiToWide(ansi) != wide) {
        return std::nullopt;
    }
    return ansi;
}

std::wstring ShortPath(const std::wstring& longPath) {
    const DWORD needed = GetShortPathNameW(longPath.c_str(), nullptr, 0);
    if (needed == 0) {
        return {};
    }
    std::wstring shortPath(needed, L'\0');
    const DWORD length = GetShortPathNameW(longPath.c_str(), shortPath.data(), needed);
    if (length == 0 || length >= needed) {
        return {};
    }
    shortPath.resize(length);
    return shortPath;
}

} // namespace

std::optional<std::string> AnsiPathForPlugin(const std::string& utf8Path) {
    const std::wstring wide = Utf8ToWide(utf8Path);
    // Plug-ins keep paths in buffers of MAX_PATH bytes; a longer path goes by its short form too.
    if (std::optional<std::string> ansi = WideToAnsiExactly(wide); ansi && ansi->size() < MAX_PATH) {
        return ansi;
    }
    const std::wstring shortPath = ShortPath(wide);
    if (shortPath.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> ansi = WideToAnsiExactly(shortPath);
    if (!ansi || ansi->size() >= MAX_PATH) {
        return std::nullopt;
    }
    return ansi;
}

} // namespace pelaconf
