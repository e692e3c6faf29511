#pragma once
// The drives of the system, and quiet access to them.

#include "platform/drives.h"

#include <windows.h>

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

class Win32DriveSource : public DriveSource {
public:
    std::vector<SystemDrive> Drives() const override;
    // Needs COM on the calling thread.
    std::string DisplayName(const std::string& root) const override;
};

} // namespace pelaconf
