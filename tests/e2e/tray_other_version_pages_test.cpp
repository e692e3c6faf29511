// The tray icon, other-settings and version pages through the real program: the tray picture and
// the click actions, the transparency slider and the wait-window box, and the home-page link
// down to the shell that opens it.
#include "driver.h"
#include "flat_picture.h"
#include "image/bmp_codec.h"
#include "journey_helpers.h"
#include "resource.h"
#include "settings_window_fixture.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace pelaconf::driver {
namespace {

constexpr char kHomePage[] = "https://www.example.com/pelavine/";
constexpr char kBrowserStartFailed[] = "ブラウザの起動に失敗しました。";
// Colours as the screen gives them, 0xAARRGGBB.
constexpr uint32_t kMagenta = 0xFFFF00FF;
constexpr uint32_t kLinkBlue = 0xFF0000FF;

uint32_t PixelAt(const Picture& picture, int x, int y) {
    return picture.bgra[static_cast<size_t>(y) * picture.width + x];
}

uint32_t ScreenColour(int systemColour) {
    const COLORREF colour = GetSysColor(systemColour);
    return 0xFF000000u | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

// Has the window paint everything it has to, and waits until it has.
void PaintNow(const RemoteWindow& window) {
    RedrawWindow(window.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SendMessageW(window.Handle(), WM_NULL, 0, 0);
}

// Points the shell's "open" of https addresses at a program while it lives, and puts back what
// was there. The shell reads the association from HKEY_CLASSES_ROOT.
class HttpsOpenCommand {
public:
    explicit HttpsOpenCommand(const std::wstring& program) {
        if (RegCreateKeyExW(HKEY_CLASSES_ROOT, L"https\\shell\\open\\command", 0, nullptr, 0,
                            KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_, nullptr) != ERROR_SUCCESS) {
            throw std::runtime_error("cannot open the https association");
        }
        DWORD size = sizeof previous_;
        hadPrevious_ = RegQueryValueExW(key_, nullptr, nullptr, &previousType_, reinterpret_cast<BYTE*>(previous_),
                                        &size) == ERROR_SUCCESS;
        previousSize_ = size;
        Set(L"\"" + program + L"\" \"%1\"");
    }
    ~HttpsOpenCommand() {
        if (hadPrevious_) {
            RegSetValueExW(key_, nullptr, 0, previousType_, reinterpret_cast<const BYTE*>(previous_), previousSize_);
        } else {
            RegDeleteValueW(key_, nullptr);
        }
        RegCloseKey(key_);
    }
    HttpsOpenCommand(const HttpsOpenCommand&) = delete;
    HttpsOpenCommand& operator=(const HttpsOpenCommand&) = delete;

private:
    void Set(const std::wstring& command) const {
        RegSetValueExW(key_, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                       static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    }

    HKEY key_ = nullptr;
    bool hadPrevious_ = false;
    DWORD previousType_ = REG_SZ;
    DWORD previousSize_ = 0;
    wchar_t previous_[1024] = {};
};

class TrayOtherVersionPagesTest : public SettingsWindowFixture {
protected:
    // The middle of the tray picture's frame as it is on the screen.
    uint32_t FrameMiddle() const {
        const Picture frame = CaptureScreen(Page(IDD_TRAY_ICON).Item(IDC_TRAY_PICTURE));
        return PixelAt(frame, frame.width / 2, frame.height / 2);
    }
};

TEST_F(TrayOtherVersionPagesTest, TheTrayPictureFillsItsFrameAndTheListsShowAndStoreTheActions) {
    folder.Write("Pelavine.sys", EncodeBmp24(FlatPicture(16, 16, kMagenta)));
    Start(FolderLine() + "[Left_Single]=4\r\n[Left_Double]=8\r\n");
    ShowPage("タスクトレイアイコン", IDD_TRAY_ICON);
    const RemoteWindow tray = Page(IDD_TRAY_ICON);
    EXPECT_TRUE(WaitUntil([&] { return FrameMiddle() == kMagenta; }));
    EXPECT_EQ(tray.ItemText(IDC_TRAY_LEFT_SINGLE), "壁紙変更（昇順）");
    EXPECT_EQ(tray.ItemText(IDC_TRAY_LEFT_DOUBLE), "") << "8 names no action";
    tray.ChooseDropDownItem(IDC_TRAY_LEFT_SINGLE, 1);
    EXPECT_EQ(tray.ItemText(IDC_TRAY_LEFT_SINGLE), "ツールバー表示");
    SaveWithOk();
    std::string expected = written;
    expected.replace(expected.find("[Left_Single]=4"), 15, "[Left_Single]=1");
    expected.replace(expected.find("[Left_Double]=8"), 15, "[Left_Double]=-1");
    EXPECT_EQ(folder.Read("Pelavine.ini"), expected) << "the two actions change, nothing else";
}

TEST_F(TrayOtherVersionPagesTest, AnUnreadableTrayPictureLeavesTheFrameEmptyWithoutAMessage) {
    folder.Write("Pelavine.sys", "not a bitmap");
    Start(FolderLine());
    ShowPage("タスクトレイアイコン", IDD_TRAY_ICON);
    PaintNow(*window);
    EXPECT_EQ(FrameMiddle(), ScreenColour(COLOR_3DFACE));
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

TEST_F(TrayOtherVersionPagesTest, TheSliderShowsTheStoredOpacityAndFollowsTheWaitWindowBox) {
    Start(FolderLine() + "[WaitDlg_Trans]=130\r\n");
    ShowPage("その他", IDD_OTHER);
    const RemoteWindow other = Page(IDD_OTHER);
    EXPECT_EQ(other.ItemText(IDC_OTHER_TRANSPARENCY_TEXT), "透明度 49 %");
    EXPECT_TRUE(other.IsChecked(IDC_OTHER_WAIT_WINDOW));
    EXPECT_TRUE(other.IsItemEnabled(IDC_OTHER_TRANSPARENCY));
    EXPECT_TRUE(other.IsItemEnabled(IDC_OTHER_FADE)) << "Wine has layered windows";
    other.Click(IDC_OTHER_WAIT_WINDOW);
    EXPECT_TRUE(WaitUntil([&] { return !other.IsItemEnabled(IDC_OTHER_TRANSPARENCY); }));
    EXPECT_FALSE(other.IsItemEnabled(IDC_OTHER_TRANSPARENCY_TEXT));
    EXPECT_EQ(other.ItemText(IDC_OTHER_TRANSPARENCY_TEXT), "透明度  0 %");
    SaveWithOk();
    EXPECT_TRUE(FileHasLine(folder, "[WaitDlg_Trans]=0"));
}

TEST_F(TrayOtherVersionPagesTest, MovingTheSliderUpdatesItsTextAndStoresTheOpacityWithTheFade) {
    Start(FolderLine() + "[WaitDlg_Trans]=255\r\n");
    ShowPage("その他", IDD_OTHER);
    const RemoteWindow other = Page(IDD_OTHER);
    EXPECT_EQ(other.ItemText(IDC_OTHER_TRANSPARENCY_TEXT), "透明度  0 %");
    HWND slider = other.Item(IDC_OTHER_TRANSPARENCY);
    EXPECT_EQ(SendMessageW(slider, TBM_GETRANGEMIN, 0, 0), 0);
    EXPECT_EQ(SendMessageW(slider, TBM_GETRANGEMAX, 0, 0), 99);
    EXPECT_EQ(SendMessageW(slider, TBM_GETPAGESIZE, 0, 0), 5);
    EXPECT_EQ(SendMessageW(slider, TBM_GETNUMTICS, 0, 0), 21) << "a tick every 5 positions and one at each end";
    other.PressKey(IDC_OTHER_TRANSPARENCY, VK_END);
    EXPECT_TRUE(WaitUntil([&] { return other.ItemText(IDC_OTHER_TRANSPARENCY_TEXT) == "透明度 99 %"; }));
    other.Click(IDC_OTHER_FADE);
    EXPECT_TRUE(WaitUntil([&] { return other.IsChecked(IDC_OTHER_FADE); }));
    SaveWithOk();
    EXPECT_TRUE(FileHasLine(folder, "[WaitDlg_Trans]=2"));
    EXPECT_TRUE(FileHasLine(folder, "[SetupDlg_Fade]=1"));
}

TEST_F(TrayOtherVersionPagesTest, TheHomePageLinkIsUnderlinedBlueAndItsClickReachesTheShell) {
    ASSERT_TRUE(
        CopyFileW((BuildFolder() + L"\\stand-in\\Pelavine.exe").c_str(), folder.PathOf("Browser.exe").c_str(), FALSE));
    const HttpsOpenCommand browser(folder.PathOf("Browser.exe"));
    Start(FolderLine());
    ShowPage("バージョン", IDD_VERSION);
    const RemoteWindow version = Page(IDD_VERSION);
    EXPECT_EQ(version.ItemText(IDC_HOME_PAGE_LINK), kHomePage);
    const auto texts = version.StaticTexts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Pelavine Version 1.2 build 26"), texts.end());

    PaintNow(*window);
    const Picture link = CaptureScreen(version.Item(IDC_HOME_PAGE_LINK));
    for (int x = 0; x < link.width; ++x) {
        ASSERT_EQ(PixelAt(link, x, link.height - 1), kLinkBlue) << "underline at x = " << x;
    }
    EXPECT_NE(std::count(link.bgra.begin(), link.bgra.end() - link.width, kLinkBlue), 0) << "no blue text";

    version.Click(IDC_HOME_PAGE_LINK);
    EXPECT_TRUE(WaitUntil([&] {
        return folder.Read("Browser.log").value_or("").find(std::string("\"") + kHomePage + "\"") != std::string::npos;
    })) << "the browser the shell associates with https was not started with the address";
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

TEST_F(TrayOtherVersionPagesTest, ABrowserTheShellCannotStartIsReported) {
    const HttpsOpenCommand browser(folder.PathOf("Missing.exe"));
    Start(FolderLine());
    ShowPage("バージョン", IDD_VERSION);
    Page(IDD_VERSION).Click(IDC_HOME_PAGE_LINK);
    EXPECT_TRUE(pelaconf->Answer(kBrowserStartFailed, IDOK));
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

} // namespace
} // namespace pelaconf::driver
