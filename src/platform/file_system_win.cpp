#include "platform/file_system_win.h"

#include "platform/file_replacement_win.h"

#include "win/handles.h"
#include "win/shared_reading.h"
#include "win/wide_text.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <exception>
#include <string>

namespace pelaconf {
namespace {

bool WriteAll(HANDLE file, std::string_view content) {
    while (!content.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(content.size(), 1 << 20));
        DWORD written = 0;
        if (!WriteFile(file, content.data(), chunk, &written, nullptr) || written == 0) {
            return false;
        }
        content.remove_prefix(written);
    }
    return true;
}

// Fills the buffer from the file's current position, and cuts it where the file ends first.
std::optional<std::string> ReadUpTo(HANDLE file, std::string buffer) {
    size_t done = 0;
    while (done < buffer.size()) {
        DWORD read = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(buffer.size() - done, 1 << 20));
        if (!ReadFile(file, buffer.data() + done, chunk, &read, nullptr)) {
            return std::nullopt;
        }
        if (read == 0) {
            break;
        }
        done += read;
    }
    buffer.resize(done);
    return buffer;
}

// A name beside the target that no other writer uses: another Pelaconf may be writing the same
// file at this moment (two wallpapers set from the command line at once).
std::wstring TemporaryNameFor(const std::wstring& target) {
    static std::atomic<unsigned> writes{0};
    return target + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(writes++) + L".pelaconf-new";
}

} // namespace

bool Win32FileSystem::PathExists(const std::string& path) const {
    return GetFileAttributesW(Utf8ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<std::string> Win32FileSystem::ReadWholeFile(const std::string& path) const {
    UniqueFileHandle file = OpenForSharedReading(Utf8ToWide(path));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart > (1LL << 30)) {
        return std::nullopt;
    }
    std::string content;
    try {
        content.assign(static_cast<size_t>(size.QuadPart), '\0');
    } catch (const std::exception&) {
        return std::nullopt; // no memory for it (bad_alloc), or more than a string holds (length_error)
    }
    return ReadUpTo(file.Get(), std::move(content)); // shorter when the file shrank while it was read
}

std::optional<std::string> ReadFileHead(const std::string& path, size_t maxBytes) {
    UniqueFileHandle file = OpenForSharedReading(Utf8ToWide(path));
    if (!file) {
        return std::nullopt;
    }
    return ReadUpTo(file.Get(), std::string(maxBytes, '\0'));
}

bool Win32FileSystem::WriteWholeFile(const std::string& path, std::string_view content) {
    const std::wstring target = Utf8ToWide(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    // A folder or a read-only file in the way is refused here; renaming over it would otherwise
    // behave differently from one system to another.
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))) {
        return false;
    }
    const std::wstring temporary = TemporaryNameFor(target);
    bool written = false;
    {
        UniqueFileHandle file(
            CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        written = file && WriteAll(file.Get(), content) && FlushFileBuffers(file.Get());
    }
    Win32FileReplacement replacement(temporary, target);
    if (written && ReplaceWithRetries(replacement)) {
        return true;
    }
    DeleteFileW(temporary.c_str());
    return false;
}

bool Win32FileSystem::RemoveFile(const std::string& path) { return DeleteFileW(Utf8ToWide(path).c_str()) != 0; }

// Tries a new file of our own in the folder, which goes again when it is closed.
bool Win32FileSystem::FolderAcceptsNewFiles(const std::string& folder) const {
    const std::wstring probe =
        Utf8ToWide(folder) + L"\\pelaconf-write-check-" + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    UniqueFileHandle file(CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    if (file) {
        return true;
    }
    const DWORD error = GetLastError();
    return error != ERROR_ACCESS_DENIED && error != ERROR_WRITE_PROTECT && error != ERROR_PRIVILEGE_NOT_HELD;
}

std::string LocalAppDataFolder() {
    std::wstring folder(MAX_PATH, L'\0');
    const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", folder.data(), static_cast<DWORD>(folder.size()));
    if (length == 0 || length >= folder.size()) {
        return "";
    }
    folder.resize(length);
    return WideToUtf8(folder);
}

// The basic information leaves out the short names, and the large fetch reads the folder in bigger
// pieces: both make a listing cheaper, and nothing here uses short names.
void Win32FileSystem::VisitFolder(const std::string& pattern, const FolderVisitor& visit) const {
    WIN32_FIND_DATAW found;
    const UniqueFindHandle search(FindFirstFileExW(Utf8ToWide(pattern).c_str(), FindExInfoBasic, &found,
                                                   FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!search) {
        return;
    }
    do {
        const FolderEntry entry{WideToUtf8(found.cFileName), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                                (found.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM) != 0};
        if (!visit(entry)) {
            return;
        }
    } while (FindNextFileW(search.Get(), &found));
}

std::string ModuleFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const auto separator = path.rfind(L'\\');
    return WideToUtf8(separator == std::wstring::npos ? path : path.substr(0, separator));
}

} // namespace pelaconf
