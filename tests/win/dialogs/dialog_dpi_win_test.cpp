// A change of DPI lays every dialog out as if it had been made at the new DPI: each control's
// rectangle and font, in the pages made before the change and in those made after it, in the
// settings window, the first-run wizard and the plug-in priority dialog. The reference is the
// same dialogs made by a fresh process of a session at that DPI.
#include "program_dialogs.h"
#include "reference_run.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pelaconf::testing {
namespace {

int SessionDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// The session's DPI is read by each process as it starts.
std::optional<std::vector<std::string>> LayoutOfDialogsMadeAt(DWORD dpi) {
    SavedRegistryKey desktop(L"Control Panel\\Desktop");
    if (!desktop.Opened() || !desktop.SetNumber(L"LogPixels", dpi)) {
        return std::nullopt;
    }
    return RunReference(L"--describe-layout");
}

// As the system sends it: the new DPI, and a rectangle suggested for the window at that DPI.
RECT SendDpiChange(HWND window, int dpi, POINT topLeft) {
    RECT area{};
    GetWindowRect(window, &area);
    const RECT suggested{topLeft.x, topLeft.y, topLeft.x + MulDiv(area.right - area.left, dpi, SessionDpi()),
                         topLeft.y + MulDiv(area.bottom - area.top, dpi, SessionDpi())};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    return suggested;
}

void ExpectSameLayout(const std::vector<std::string>& actual, const std::vector<std::string>& expected) {
    EXPECT_EQ(actual.size(), expected.size());
    int differences = 0;
    for (size_t line = 0; line < std::min(actual.size(), expected.size()) && differences < 10; ++line) {
        if (actual[line] != expected[line]) {
            ++differences;
            ADD_FAILURE() << "after the change: " << actual[line] << "\nmade there:       " << expected[line];
        }
    }
}

TEST(DialogDpiChange, EveryDialogIsLaidOutAsIfMadeAtTheNewDpiForPagesMadeBeforeAndAfter) {
    ASSERT_EQ(SessionDpi(), 96);
    const auto madeAt144 = LayoutOfDialogsMadeAt(144);
    const auto madeAt96 = LayoutOfDialogsMadeAt(96);
    ASSERT_TRUE(madeAt144 && madeAt96) << "a reference run failed";
    ASSERT_GT(madeAt96->size(), 100u);
    ASSERT_NE(*madeAt144, *madeAt96);

    // Made at 96 DPI: the settings window hidden with its first page, the wizard with its pages.
    ProgramDialogs dialogs;
    for (const HWND window : dialogs.TopLevel()) {
        const RECT suggested = SendDpiChange(window, 144, {40, 30});
        RECT area{};
        GetWindowRect(window, &area);
        EXPECT_EQ(area.left, suggested.left);
        EXPECT_EQ(area.top, suggested.top);
    }
    ASSERT_TRUE(dialogs.ShowAndMakeAllPages()); // the other pages are made after the change
    ExpectSameLayout(dialogs.Describe(), *madeAt144);

    for (const HWND window : dialogs.TopLevel()) {
        SendDpiChange(window, 96, {20, 10});
    }
    ExpectSameLayout(dialogs.Describe(), *madeAt96);
}

} // namespace
} // namespace pelaconf::testing
