#include "platform/drives_win.h"

#include "win/wide_text.h"

#include <shellapi.h>

namespace pelaconf {

std::vector<SystemDrive> Win32DriveSource::Drives() const {
    std::vector<SystemDrive> drives;
    wchar_t roots[MAX_PATH] = {};
    const DWORD length = GetLogicalDriveStringsW(MAX_PATH - 1, roots);
    if (length == 0 || length >= MAX_PATH) {
        return drives;
    }
    for (const wchar_t* root = roots; *root != L'\0'; root += wcslen(root) + 1) {
        drives.push_back({WideToUtf8(root), GetDriveTypeW(root)});
    }
    return drives;
}

std::string Win32DriveSource::DisplayName(const std::string& root) const {
    SHFILEINFOW info{};
    if (SHGetFileInfoW(Utf8ToWide(root).c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME) == 0) {
        return "";
    }
    return WideToUtf8(info.szDisplayName);
}

} // namespace pelaconf
