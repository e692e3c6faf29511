// The settings window at 144 DPI (150 %): what is drawn in pixels grows with the dialogs, and the
// window still fits a small screen. Its own test program, run while no other test runs, since
// the DPI is a setting of the whole Wine session.
#include "driver.h"
#include "journey_helpers.h"
#include "resource.h"
#include "settings_window_fixture.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace pelaconf::driver {
namespace {

// Programs started while it lives are drawn at the DPI, as after a change in the display
// settings; the session's own value comes back afterwards.
class SessionDpi {
public:
    explicit SessionDpi(DWORD dpi) {
        DWORD size = sizeof saved_;
        hadValue_ = RegGetValueW(HKEY_CURRENT_USER, kKey, kValue, RRF_RT_REG_DWORD, nullptr, &saved_, &size) ==
                    ERROR_SUCCESS;
        set_ = RegSetKeyValueW(HKEY_CURRENT_USER, kKey, kValue, REG_DWORD, &dpi, sizeof dpi) == ERROR_SUCCESS;
    }
    ~SessionDpi() {
        if (hadValue_) {
            RegSetKeyValueW(HKEY_CURRENT_USER, kKey, kValue, REG_DWORD, &saved_, sizeof saved_);
        } else {
            RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, kValue);
        }
    }
    SessionDpi(const SessionDpi&) = delete;
    SessionDpi& operator=(const SessionDpi&) = delete;
    bool Set() const { return set_; }

private:
    static constexpr const wchar_t* kKey = L"Control Panel\\Desktop";
    static constexpr const wchar_t* kValue = L"LogPixels";
    DWORD saved_ = 0;
    bool hadValue_ = false;
    bool set_ = false;
};

// The height in pixels of the dark text in the caption bar (its frame is grey, not dark).
int CaptionTextHeight(const RemoteWindow& captionBar) {
    const Picture picture = CaptureScreen(captionBar.Handle());
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const uint32_t pixel = picture.bgra[static_cast<size_t>(y) * picture.width + x];
            const bool dark = (pixel & 0xFF) < 64 && (pixel >> 8 & 0xFF) < 64 && (pixel >> 16 & 0xFF) < 64;
            if (dark) {
                top = top < 0 ? y : top;
                bottom = y;
                break;
            }
        }
    }
    return top < 0 ? 0 : bottom - top + 1;
}

class HighDpiTest : public SettingsWindowFixture {
protected:
    // Starts the program, shows the timer page and measures its caption.
    int StartAndMeasureCaption() {
        Start();
        ShowPage("タイマ", IDD_TIMER);
        const RemoteWindow caption = window->Child(IDD_CAPTION_BAR);
        EXPECT_TRUE(WaitUntil([&] { return caption.Text() == "タイマ"; }));
        return CaptionTextHeight(caption);
    }
};

TEST_F(HighDpiTest, At144DpiTheCaptionGrowsTheTreeLabelsAreWholeAndTheWindowFitsTheScreen) {
    const int captionAt96 = StartAndMeasureCaption();
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
    ASSERT_GT(captionAt96, 0) << "no caption text at 96 DPI";

    const SessionDpi dpi(144);
    ASSERT_TRUE(dpi.Set());
    const int captionAt144 = StartAndMeasureCaption();
    EXPECT_GE(captionAt144 * 10, captionAt96 * 14) << captionAt144 << " pixels at 144 DPI, " << captionAt96 << " at 96";

    // The tree shows a scroll bar as soon as a label is wider than it; none means every label is whole.
    const HWND tree = window->Item(IDC_CATEGORY_TREE);
    EXPECT_EQ(GetWindowLongPtrW(tree, GWL_STYLE) & (WS_HSCROLL | TVS_NOHSCROLL), 0);

    RECT area{};
    GetWindowRect(window->Handle(), &area);
    EXPECT_GE(area.left, 0);
    EXPECT_GE(area.top, 0);
    EXPECT_LE(area.right, 1024);
    EXPECT_LE(area.bottom, 768);
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

} // namespace
} // namespace pelaconf::driver
