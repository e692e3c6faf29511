#pragma once
// Small steps shared by the journeys through the settings window.

#include "driver.h"
#include "resource.h"
#include "win/wide_text.h"

#include <gtest/gtest.h>

#include <string>

namespace pelaconf::driver {

inline constexpr char kDiscardQuestion[] =
    "設定内容は変更されています。\nキャンセルすると変更は保存されませんが、よろしいですか？";

inline std::string TestName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

// Presses Cancel, agrees to drop the changes when asked, and waits for the program to end.
inline void CloseWithCancel(const PelaconfProcess& pelaconf, const RemoteWindow& window) {
    window.Click(IDCANCEL);
    WaitUntil([&] { return pelaconf.HasExited() || !pelaconf.MessageBoxes().empty(); });
    for (const auto& box : pelaconf.MessageBoxes()) {
        box.Press(IDYES);
    }
    ASSERT_TRUE(pelaconf.WaitForExit());
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

} // namespace pelaconf::driver
