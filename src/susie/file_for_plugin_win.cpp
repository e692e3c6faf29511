#include "susie/file_for_plugin_win.h"

#include "susie/ansi_code_page_win.h"
#include "susie/temporary_copy_name.h"
#include "win/wide_text.h"

#include <windows.h>

#include <atomic>
#include <utility>

namespace pelaconf {
namespace {

std::wstring TemporaryFolder() {
    wchar_t folder[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    return length == 0 || length > MAX_PATH ? std::wstring() : std::wstring(folder, length);
}

// A copy of the file in the temporary folder under a name no other file has; empty when none
// could be made.
std::wstring CopyToTemporaryFolder(const std::string& fullPath) {
    const std::wstring folder = TemporaryFolder();
    if (folder.empty()) {
        return {};
    }
    static std::atomic<uint32_t> copiesMade = 0;
    const uint32_t first = (GetCurrentProcessId() << 16) ^ GetTickCount() ^ copiesMade++;
    for (uint32_t attempt = 0; attempt < 100; ++attempt) {
        const std::wstring copy = folder + Utf8ToWide(TemporaryCopyName(fullPath, first + attempt));
        if (CopyFileW(Utf8ToWide(fullPath).c_str(), copy.c_str(), TRUE)) {
            // The copy carries the original's attributes; read-only it could not be deleted.
            SetFileAttributesW(copy.c_str(), FILE_ATTRIBUTE_TEMPORARY);
            return copy;
        }
        if (const DWORD error = GetLastError(); error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            return {};
        }
    }
    return {};
}

} // namespace

FileForPlugin::FileForPlugin(const std::string& fullPath) {
    if (AnsiPathForPlugin(fullPath)) {
        path_ = fullPath;
        return;
    }
    copy_ = CopyToTemporaryFolder(fullPath);
    // The temporary folder itself may be one that the ANSI code page cannot name.
    if (!copy_.empty() && AnsiPathForPlugin(WideToUtf8(copy_))) {
        path_ = WideToUtf8(copy_);
    } else {
        DeleteCopy();
    }
}

FileForPlugin::FileForPlugin(FileForPlugin&& other) noexcept
    : path_(std::move(other.path_)), copy_(std::exchange(other.copy_, std::wstring())) {}

FileForPlugin& FileForPlugin::operator=(FileForPlugin&& other) noexcept {
    if (this != &other) {
        DeleteCopy();
        path_ = std::move(other.path_);
        copy_ = std::exchange(other.copy_, std::wstring());
    }
    return *this;
}

bool FileForPlugin::DeleteCopy() {
    if (copy_.empty() || DeleteFileW(copy_.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND) {
        copy_.clear();
        return true;
    }
    return false;
}

} // namespace pelaconf
