#include "platform/file_replacement_win.h"

#include <utility>

namespace pelaconf {
namespace {

// The attributes a replaced file keeps: hiding it or marking it a system file is the user's
// choice, and a rewrite must not undo it.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// Sets the kept attributes of a replaced file again where the system did not carry them over.
void KeepAttributes(const std::wstring& target, DWORD before) {
    if (before == INVALID_FILE_ATTRIBUTES) {
        return;
    }
    const DWORD after = GetFileAttributesW(target.c_str());
    if (after != INVALID_FILE_ATTRIBUTES && (after & kKeptAttributes) != (before & kKeptAttributes)) {
        SetFileAttributesW(target.c_str(), (after & ~kKeptAttributes) | (before & kKeptAttributes));
    }
}

} // namespace

Win32FileReplacement::Win32FileReplacement(std::wstring temporary, std::wstring target)
    : temporary_(std::move(temporary)), target_(std::move(target)),
      attributesBefore_(GetFileAttributesW(target_.c_str())) {}

uint32_t Win32FileReplacement::Replace() {
    if (GetFileAttributesW(target_.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return MoveOver();
    }
    const std::wstring backup = temporary_ + L".old";
    if (ReplaceFileW(target_.c_str(), temporary_.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                     nullptr)) {
        DeleteFileW(backup.c_str());
        KeepAttributes(target_, attributesBefore_);
        return ERROR_SUCCESS;
    }
    const DWORD error = GetLastError();
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
        // The old file was moved aside but the new one not moved in: finish as a first write.
        const uint32_t moved = MoveOver();
        DeleteFileW(backup.c_str());
        return moved;
    }
    return error == ERROR_FILE_NOT_FOUND ? MoveOver() : error;
}

uint32_t Win32FileReplacement::MoveOver() {
    if (!MoveFileExW(temporary_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return GetLastError();
    }
    KeepAttributes(target_, attributesBefore_);
    return ERROR_SUCCESS;
}

} // namespace pelaconf
