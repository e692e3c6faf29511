#pragma once
// Folders the Windows tests make and remove: one made fresh, its entries counted, and a whole
// tree removed with everything in it.

#include <windows.h>

#include <string>

namespace pelaconf {

// Removes the folder and all it holds, read-only files included; true when it is gone.
inline bool RemoveFolderTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring path = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveFolderTree(path);
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
    return GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES;
}

// Makes the folder empty: whatever an earlier run left there is removed first. True when the
// new folder was made.
inline bool MakeFreshFolder(const std::wstring& folder) {
    return RemoveFolderTree(folder) && CreateDirectoryW(folder.c_str(), nullptr) != FALSE;
}

// The files and folders directly inside the folder.
inline int EntryCount(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    int count = 0;
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            count += name != L"." && name != L"..";
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    return count;
}

} // namespace pelaconf
