#include "platform/drives_win.h"

#include "win/wide_text.h"

#include <shellapi.h>

namespace pelaconf {

std::vector<DriveRoot> ListDriveRoots() {
    std::vector<DriveRoot> roots;
    wchar_t drives[MAX_PATH] = {};
    const DWORD length = GetLogicalDriveStringsW(MAX_PATH - 1, drives);
    if (length == 0 || length >= MAX_PATH) {
        return roots;
    }
    for (const wchar_t* drive = drives; *drive != L'\0'; drive += wcslen(drive) + 1) {
        SHFILEINFOW info{};
        SHGetFileInfoW(drive, 0, &info, sizeof info, SHGFI_DISPLAYNAME);
        const wchar_t* label = info.szDisplayName[0] != L'\0' ? info.szDisplayName : drive;
        roots.push_back({WideToUtf8(drive), GetDriveTypeW(drive), WideToUtf8(label)});
    }
    return roots;
}

} // namespace pelaconf
