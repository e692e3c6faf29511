#include "install_folder.h"

#include "driver.h"
#include "folder_tree.h"
#include "win/wide_text.h"

#include <windows.h>
#include <tlhelp32.h>

#include <stdexcept>

namespace pelaconf::driver {
namespace {

std::wstring TestRunFolder() { return BuildFolder() + L"\\e2e-runs"; }

void CopyOrThrow(const std::wstring& from, const std::wstring& to) {
    if (!CopyFileW(from.c_str(), to.c_str(), FALSE)) {
        throw std::runtime_error("cannot copy " + WideToUtf8(from));
    }
}

// Whether a process was started from this very file. A process whose path cannot be read yet
// (it may still be starting) counts as one.
bool RunsFrom(DWORD processId, const std::wstring& program) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) {
        return true;
    }
    wchar_t path[MAX_PATH * 2];
    DWORD size = MAX_PATH * 2;
    const bool known = QueryFullProcessImageNameW(process, 0, path, &size);
    CloseHandle(process);
    return !known || CompareStringOrdinal(path, static_cast<int>(size), program.c_str(), -1, TRUE) == CSTR_EQUAL;
}

bool AnyProcessRunsFrom(const std::wstring& program) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return false;
    }
    const std::wstring name = program.substr(program.rfind(L'\\') + 1);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (bool more = Process32FirstW(snapshot, &entry); more && !found; more = Process32NextW(snapshot, &entry)) {
        found = _wcsicmp(entry.szExeFile, name.c_str()) == 0 && RunsFrom(entry.th32ProcessID, program);
    }
    CloseHandle(snapshot);
    return found;
}

} // namespace

std::wstring BuildFolder() { return PELACONF_BUILD_DIR; }

InstallFolder::InstallFolder(const std::string& name) : path_(TestRunFolder() + L"\\" + Utf8ToWide(name)) {
    CreateDirectoryW(TestRunFolder().c_str(), nullptr);
    if (!MakeFreshFolder(path_)) {
        throw std::runtime_error("cannot make the install folder " + name);
    }
    CopyOrThrow(BuildFolder() + L"\\bin\\Pelaconf.exe", PathOf("Pelaconf.exe"));
    CopyOrThrow(BuildFolder() + L"\\bin\\Pelavine.sys", PathOf("Pelavine.sys"));
    for (const char* host : {"PelaconfPluginHost64.exe", "PelaconfPluginHost32.exe"}) {
        CopyOrThrow(BuildFolder() + L"\\bin\\" + Utf8ToWide(host), PathOf(host));
    }
    CopyOrThrow(BuildFolder() + L"\\stand-in\\Pelavine.exe", PathOf("Pelavine.exe"));
}

std::wstring InstallFolder::PathOf(const std::string& fileName) const { return path_ + L"\\" + Utf8ToWide(fileName); }

bool InstallFolder::Exists(const std::string& fileName) const {
    return GetFileAttributesW(PathOf(fileName).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<std::string> InstallFolder::Read(const std::string& fileName) const {
    HANDLE file = CreateFileW(PathOf(fileName).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        content.append(buffer, read);
    }
    CloseHandle(file);
    return content;
}

void InstallFolder::Write(const std::string& fileName, const std::string& bytes) const {
    HANDLE file = CreateFileW(PathOf(fileName).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    const bool ok = file != INVALID_HANDLE_VALUE &&
                    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
    }
    if (!ok) {
        throw std::runtime_error("cannot write " + fileName);
    }
}

void InstallFolder::Remove(const std::string& fileName) const { DeleteFileW(PathOf(fileName).c_str()); }

void InstallFolder::MakeFolder(const std::string& name) const { CreateDirectoryW(PathOf(name).c_str(), nullptr); }

bool InstallFolder::NoProgramOfItsOwnRuns() const {
    return WaitUntil([&] {
        for (const char* program : {"Pelaconf.exe", "PelaconfPluginHost64.exe", "PelaconfPluginHost32.exe"}) {
            if (AnyProcessRunsFrom(PathOf(program))) {
                return false;
            }
        }
        return true;
    });
}

std::vector<std::string> InstallFolder::PelavineStarts() const {
    // A start may still be on its way when Pelaconf has already ended: the stand-in writes its
    // line as it runs, so the log is complete once no stand-in from this folder is running.
    const std::wstring standIn = PathOf("Pelavine.exe");
    if (!WaitUntil([&] { return !AnyProcessRunsFrom(standIn); })) {
        throw std::runtime_error("the stand-in Pelavine.exe is still running");
    }
    std::vector<std::string> lines;
    const std::string log = Read("Pelavine.log").value_or("");
    size_t start = 0;
    for (size_t end; (end = log.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(log.substr(start, end - start));
    }
    return lines;
}

} // namespace pelaconf::driver
