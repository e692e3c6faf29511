#pragma once
// Small steps shared by the journeys through the settings window.

#include "driver.h"
#include "expected_texts.h"
#include "resource.h"
#include "test_name.h"
#include "win/wide_text.h"

#include <gtest/gtest.h>

#include <sddl.h>

#include <string>
#include <vector>

namespace pelaconf::driver {

// Whether Cancel is expected to ask before dropping changes. It asks whenever a page holds
// changes not yet saved, and the wallpaper folder page counts its own loading as one: only right
// after a save does Cancel close without asking.
enum class DiscardQuestion { NotAsked, Asked };

// Presses Cancel and waits for the program to end. An expected question about dropping the
// changes is waited for by its text and agreed to; any other message box fails the test and is
// left unanswered.
inline void CloseWithCancel(const PelaconfProcess& pelaconf, const RemoteWindow& window, DiscardQuestion question) {
    ASSERT_FALSE(pelaconf.HasExited()) << "the program ended before Cancel was pressed";
    window.Click(IDCANCEL);
    if (question == DiscardQuestion::Asked) {
        ASSERT_TRUE(pelaconf.Answer(expected::kDiscardQuestion, IDYES)) << "Cancel did not ask to drop the changes";
    }
    // The answered box may still be on its way out while the window fades; only a program that
    // does not end is a failure, and then any box it shows says why.
    if (!pelaconf.WaitForExit()) {
        for (const auto& box : pelaconf.MessageBoxes()) {
            ADD_FAILURE() << "unexpected message box after Cancel: " << box.Message();
        }
        FAIL() << "the program did not end after Cancel";
    }
}

inline std::string AsciiUpper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

// The line of a key in Pelavine.ini as written (ASCII values only).
inline bool FileHasLine(const InstallFolder& folder, const std::string& line) {
    return folder.Read("Pelavine.ini").value_or("").find(line + "\r\n") != std::string::npos;
}

// A desktop style value of the current user ("TileWallpaper", "WallpaperStyle"), or "<missing>".
inline std::wstring DesktopValue(const wchar_t* name) {
    wchar_t text[64] = {};
    DWORD size = sizeof text;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\desktop", name, RRF_RT_REG_SZ, nullptr, text, &size) !=
        ERROR_SUCCESS) {
        return L"<missing>";
    }
    return text;
}

// Makes the current user's desktop settings key refuse writes while it lives, as a locked-down
// profile does, and gives it its own permissions back afterwards.
class ReadOnlyDesktopKey {
public:
    ReadOnlyDesktopKey() {
        if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\desktop", 0, READ_CONTROL | WRITE_DAC, &key_) !=
            ERROR_SUCCESS) {
            return;
        }
        DWORD size = 0;
        RegGetKeySecurity(key_, DACL_SECURITY_INFORMATION, nullptr, &size);
        saved_.resize(size);
        PSECURITY_DESCRIPTOR readOnly = nullptr;
        if (size == 0 || RegGetKeySecurity(key_, DACL_SECURITY_INFORMATION, saved_.data(), &size) != ERROR_SUCCESS ||
            !ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(A;;KR;;;WD)", SDDL_REVISION_1, &readOnly,
                                                                  nullptr)) {
            return;
        }
        locked_ = RegSetKeySecurity(key_, DACL_SECURITY_INFORMATION, readOnly) == ERROR_SUCCESS;
        LocalFree(readOnly);
    }
    ~ReadOnlyDesktopKey() {
        if (locked_) {
            RegSetKeySecurity(key_, DACL_SECURITY_INFORMATION, saved_.data());
        }
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
    }
    ReadOnlyDesktopKey(const ReadOnlyDesktopKey&) = delete;
    ReadOnlyDesktopKey& operator=(const ReadOnlyDesktopKey&) = delete;

    // Whether a program now fails to open the key for writing.
    bool Refuses() const {
        HKEY opened = nullptr;
        if (!locked_ ||
            RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\desktop", 0, KEY_SET_VALUE, &opened) != ERROR_SUCCESS) {
            return locked_;
        }
        RegCloseKey(opened);
        return false;
    }

private:
    HKEY key_ = nullptr;
    std::vector<BYTE> saved_;
    bool locked_ = false;
};

// An environment variable that the programs started while it lives inherit; removed afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment(const wchar_t* name, const std::wstring& value) : name_(name) {
        SetEnvironmentVariableW(name, value.c_str());
    }
    ~ScopedEnvironment() { SetEnvironmentVariableW(name_, nullptr); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const wchar_t* name_;
};

// Makes a folder refuse new files, even to root, while it lives (the Linux immutable attribute,
// set with chattr), as Program Files refuses them to a program without administrator rights; the
// attribute is always taken off again. Made() is false where the attribute cannot be set (chattr
// needs root), and the test then has nothing to show.
class ImmutableFolder {
public:
    // The first Linux program a Wine session starts may take seconds to begin.
    explicit ImmutableFolder(const std::wstring& folder) : folder_(folder), unixPath_(UnixPath(folder)) {
        started_ = !unixPath_.empty() && StartChattr(L"+i");
        made_ = started_ && WaitUntil([&] { return !TakesNewFiles(); });
    }
    // Undone also when the attribute did not show in time, since it may still come.
    ~ImmutableFolder() {
        if (started_) {
            StartChattr(L"-i");
            WaitUntil([&] { return TakesNewFiles(); });
        }
    }
    ImmutableFolder(const ImmutableFolder&) = delete;
    ImmutableFolder& operator=(const ImmutableFolder&) = delete;
    bool Made() const { return made_; }

private:
    // The folder's path on the Linux side, from Wine's own mapping of drives.
    static std::wstring UnixPath(const std::wstring& folder) {
        using UnixFileName = char*(CDECL*)(const wchar_t*);
        const auto toUnix = reinterpret_cast<UnixFileName>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
        char* path = toUnix != nullptr ? toUnix(folder.c_str()) : nullptr;
        if (path == nullptr) {
            return L"";
        }
        const std::wstring result = Utf8ToWide(path);
        HeapFree(GetProcessHeap(), 0, path);
        return result;
    }
    // Starts Linux's chattr on the folder; Wine starts Linux programs too, but cannot tell how
    // they ended, so the callers watch the folder instead.
    bool StartChattr(const wchar_t* change) const {
        std::wstring commandLine = L"/usr/bin/chattr " + std::wstring(change) + L" \"" + unixPath_ + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(L"Z:\\usr\\bin\\chattr", commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &process)) {
            return false;
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return true;
    }
    bool TakesNewFiles() const {
        const std::wstring probe = folder_ + L"\\immutable-probe.tmp";
        HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_FLAG_DELETE_ON_CLOSE,
                                  nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return false;
        }
        CloseHandle(file);
        return true;
    }

    std::wstring folder_;
    std::wstring unixPath_;
    bool started_ = false;
    bool made_ = false;
};

} // namespace pelaconf::driver
