#include "susie/ansi_code_page_win.h"

#include "win/wide_text.h"

#include <windows.h>

namespace pelaconf {
namespace {

// The wide text in the ANSI code page; empty when a character has no exact form there.
std::optional<std::string> WideToAnsiExactly(const std::wstring& wide) {
    if (wide.empty()) {
        return std::string();
    }
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, &usedDefault);
    if (length <= 0 || usedDefault) {
        return std::nullopt;
    }
    std::string ansi(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), ansi.data(), length,
                        nullptr, &usedDefault);
    if (usedDefault) {
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

bool Win32AnsiCodePage::IsLeadByte(uint8_t byte) const { return IsDBCSLeadByteEx(CP_ACP, byte) != 0; }

std::string Win32AnsiCodePage::ToUtf8(std::string_view ansi) const {
    if (ansi.empty()) {
        return {};
    }
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    if (length <= 0) {
        return {};
    }
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), length);
    return WideToUtf8(wide);
}

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
