#pragma once
// Files read while other programs may have them open.

#include "win/handles.h"

#include <string>

namespace pelaconf {

// Opens an existing file for reading, shared for reading, writing and deleting: a file that another
// program has open to write, move or delete it (an editor, a sync client, an antivirus) is still
// read, and reading it never stands in that program's way.
inline UniqueFileHandle OpenForSharedReading(const std::wstring& path) {
    return UniqueFileHandle(CreateFileW(path.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
}

} // namespace pelaconf
