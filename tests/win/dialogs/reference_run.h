#pragma once
// What the dialog tests need of the session: registry values changed for a while and put back
// whatever happens, and a run of this test program in a fresh process, which reads those values
// as it starts (the session's DPI, the font replacements), and writes what it finds to a file.

#include "win/handles.h"
#include "win/wide_text.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace pelaconf::testing {

// Every value of a key of the current user, as it was when this was made: put back at the end,
// and whatever was added meanwhile removed.
class SavedRegistryKey {
public:
    explicit SavedRegistryKey(const wchar_t* path) {
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr) ==
            ERROR_SUCCESS) {
            key_.Reset(key);
            saved_ = ReadValues();
        }
    }
    ~SavedRegistryKey() {
        RemoveAll();
        for (const Value& value : saved_) {
            RegSetValueExW(key_.Get(), value.name.c_str(), 0, value.type, value.data.data(),
                           static_cast<DWORD>(value.data.size()));
        }
    }
    SavedRegistryKey(const SavedRegistryKey&) = delete;
    SavedRegistryKey& operator=(const SavedRegistryKey&) = delete;

    bool Opened() const { return static_cast<bool>(key_); }
    bool SetNumber(const wchar_t* name, DWORD number) {
        return RegSetValueExW(key_.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number) ==
               ERROR_SUCCESS;
    }
    bool RemoveAll() {
        bool removed = true;
        for (const Value& value : ReadValues()) {
            removed = RegDeleteValueW(key_.Get(), value.name.c_str()) == ERROR_SUCCESS && removed;
        }
        return removed;
    }

private:
    struct Value {
        std::wstring name;
        DWORD type = 0;
        std::vector<BYTE> data;
    };

    std::vector<Value> ReadValues() const {
        std::vector<Value> values;
        for (DWORD index = 0;; ++index) {
            wchar_t name[16384];
            DWORD nameLength = 16384;
            BYTE data[4096];
            DWORD dataSize = sizeof data;
            DWORD type = 0;
            if (RegEnumValueW(key_.Get(), index, name, &nameLength, nullptr, &type, data, &dataSize) != ERROR_SUCCESS) {
                return values;
            }
            values.push_back({std::wstring(name, nameLength), type, std::vector<BYTE>(data, data + dataSize)});
        }
    }

    UniqueRegistryKey key_;
    std::vector<Value> saved_;
};

// Runs this program as `program mode file` and returns the lines it wrote to the file; empty when
// it failed or did not end within a minute.
inline std::optional<std::vector<std::string>> RunReference(const std::wstring& mode) {
    wchar_t program[MAX_PATH] = {};
    wchar_t folder[MAX_PATH] = {};
    wchar_t file[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    GetTempPathW(MAX_PATH, folder);
    if (GetTempFileNameW(folder, L"dlg", 0, file) == 0) {
        return std::nullopt;
    }
    std::wstring commandLine = L"\"" + std::wstring(program) + L"\" " + mode + L" \"" + file + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
        return std::nullopt;
    }
    const UniqueKernelHandle process(started.hProcess);
    const UniqueKernelHandle thread(started.hThread);
    DWORD exitCode = 1;
    if (WaitForSingleObject(process.Get(), 60000) != WAIT_OBJECT_0) {
        TerminateProcess(process.Get(), 1);
    } else {
        GetExitCodeProcess(process.Get(), &exitCode);
    }
    std::ifstream in{std::filesystem::path(file)};
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    in.close();
    DeleteFileW(file);
    if (exitCode != 0) {
        return std::nullopt;
    }
    return lines;
}

// The side of RunReference in the started program.
inline int WriteReference(const char* file, const std::vector<std::string>& lines) {
    std::ofstream out(file);
    for (const std::string& line : lines) {
        out << line << '\n';
    }
    return out.good() ? 0 : 1;
}

} // namespace pelaconf::testing
