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
