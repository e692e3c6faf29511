#include "platform/special_folders_win.h"

#include "win/wide_text.h"

#include <windows.h>

#include <shlobj.h>

namespace pelaconf {

std::string SpecialFolderPath(int folderId) {
    PIDLIST_ABSOLUTE location = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(GetDesktopWindow(), folderId, &location))) {
        return {};
    }
    wchar_t path[MAX_PATH] = {};
    const bool found = SHGetPathFromIDListW(location, path) != FALSE;
    CoTaskMemFree(location);
    return found ? WideToUtf8(path) : std::string();
}

} // namespace pelaconf
