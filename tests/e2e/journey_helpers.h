#pragma once
// Small steps shared by the journeys through the settings window.

#include "driver.h"
#include "expected_texts.h"
#include "resource.h"
#include "test_name.h"
#include "win/wide_text.h"

#include <gtest/gtest.h>

#include <string>

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

} // namespace pelaconf::driver
