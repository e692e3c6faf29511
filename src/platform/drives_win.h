#pragma once
// The drives of the system, and quiet access to them.

#include <windows.h>

#include <string>
#include <vector>

namespace pelaconf {

// Keeps the system's "no disk" box away while it lives: a drive without a medium is reported by
// the program's own message.
class QuietDriveErrors {
public:
    QuietDriveErrors() { SetThreadErrorMode(SEM_FAILCRITICALERRORS, &before_); }
    ~QuietDriveErrors() { SetThreadErrorMode(before_, nullptr); }
    QuietDriveErrors(const QuietDriveErrors&) = delete;
    QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

private:
    DWORD before_ = 0;
};

struct DriveRoot {
    std::string path;          // "C:\\"
    UINT type = DRIVE_UNKNOWN; // GetDriveType's answer
    std::string label;         // the shell's display name, or the path when it has none
};

// Every drive the system lists, in its order.
std::vector<DriveRoot> ListDriveRoots();

} // namespace pelaconf
