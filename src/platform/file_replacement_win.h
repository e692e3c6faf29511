#pragma once
// The system's side of putting a new file in its target's place.

#include "platform/file_replacement.h"

#include <windows.h>

#include <string>

namespace pelaconf {

class Win32FileReplacement : public FileReplacement {
public:
    // The target's attributes are read now, before anything touches it.
    Win32FileReplacement(std::wstring temporary, std::wstring target);

    // ReplaceFileW, which keeps the target's security and attributes. The old file is moved aside
    // under a name of this replacement's own and deleted after, so that two writers at once never
    // share a backup name. A target that is gone by now (another writer is between its steps) is a
    // first write: a move.
    uint32_t Replace() override;
    // MoveFileExW over the target, written through to the disk, with the attributes the target had.
    uint32_t MoveOver() override;
    void Pause(int milliseconds) override { Sleep(static_cast<DWORD>(milliseconds)); }

private:
    std::wstring temporary_;
    std::wstring target_;
    DWORD attributesBefore_;
};

} // namespace pelaconf
