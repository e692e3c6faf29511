#include "platform/registry_win.h"

#include "win/handles.h"
#include "win/wide_text.h"

#include <windows.h>

namespace pelaconf {
namespace {

UniqueRegistryKey OpenUserKey(const std::string& key, REGSAM access) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Utf8ToWide(key).c_str(), 0, access, &opened) != ERROR_SUCCESS) {
        return UniqueRegistryKey();
    }
    return UniqueRegistryKey(opened);
}

// Bytes the text takes in the ANSI code page, without a terminating NUL.
size_t AnsiLength(const std::wstring& text) {
    if (text.empty()) {
        return 0;
    }
    return static_cast<size_t>(
        WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr));
}

} // namespace

std::optional<std::string> Win32Registry::ReadUserText(const std::string& key, const std::string& name,
                                                       size_t maxBytes) const {
    const UniqueRegistryKey opened = OpenUserKey(key, KEY_READ);
    if (!opened) {
        return std::nullopt;
    }
    const std::wstring valueName = Utf8ToWide(name);
    DWORD size = 0;
    if (RegQueryValueExW(opened.Get(), valueName.c_str(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    DWORD read = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegQueryValueExW(opened.Get(), valueName.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(text.data()),
                         &read) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    text.resize(wcsnlen(text.c_str(), read / sizeof(wchar_t)));
    if (AnsiLength(text) + 1 > maxBytes) {
        return std::nullopt;
    }
    return WideToUtf8(text);
}

bool Win32Registry::WriteUserStrings(const std::string& key,
                                     const std::vector<std::pair<std::string, std::string>>& values) {
    const UniqueRegistryKey opened = OpenUserKey(key, KEY_SET_VALUE);
    if (!opened) {
        return false;
    }
    for (const auto& [name, value] : values) {
        const std::wstring text = Utf8ToWide(value);
        const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)); // with the NUL
        if (RegSetValueExW(opened.Get(), Utf8ToWide(name).c_str(), 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(text.c_str()), bytes) != ERROR_SUCCESS) {
            return false;
        }
    }
    return true;
}

} // namespace pelaconf
