// The hotkey and timer-stop pages through the real program: keys shared by two actions are
// refused, stored values are shown and stored back cleaned, and a changed key counts as a change.
#include "driver.h"
#include "journey_helpers.h"
#include "resource.h"
#include "settings_window_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace pelaconf::driver {
namespace {

constexpr char kSameKeyMessage[] = "同じキーを設定したホットキーが存在します";
constexpr int kCtrlAltA = 0x0641; // 1601
constexpr int kAltF1 = 0x0470;    // 1136

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

class HotkeyPagesTest : public SettingsWindowFixture {
protected:
    bool ShowsHotkeyPage() const {
        return WaitUntil([&] {
            return Page(IDD_HOTKEY).IsVisible() && window->SelectedTreeLabel(IDC_CATEGORY_TREE) == "ホットキー";
        });
    }
};

TEST_F(HotkeyPagesTest, TwoActionsWithTheSameKeyStopOkWithTheMessageAndBringTheHotkeyPageForward) {
    Start(FolderLine());
    ShowPage("タイマ停止", IDD_TIMER_STOP);
    // The letter A typed alone becomes Ctrl+Alt+A in both controls.
    const RemoteWindow hotkeys = Page(IDD_HOTKEY);
    hotkeys.TypeKey(IDC_HOTKEY_ASCENDING, 'A');
    hotkeys.TypeKey(IDC_HOTKEY_REMOVE, 'A');
    EXPECT_EQ(hotkeys.Hotkey(IDC_HOTKEY_ASCENDING), kCtrlAltA);
    EXPECT_EQ(hotkeys.Hotkey(IDC_HOTKEY_REMOVE), kCtrlAltA);

    window->Click(IDOK);
    ASSERT_TRUE(pelaconf->Answer(kSameKeyMessage, IDOK));
    EXPECT_TRUE(ShowsHotkeyPage());
    window->SelectTreeItem(IDC_CATEGORY_TREE, "その他");
    ASSERT_TRUE(pelaconf->Answer(kSameKeyMessage, IDOK)) << "leaving the page is refused alike";
    EXPECT_TRUE(ShowsHotkeyPage());
    EXPECT_FALSE(pelaconf->HasExited());
    EXPECT_TRUE(Unchanged());

    hotkeys.SetHotkey(IDC_HOTKEY_REMOVE, kAltF1);
    SaveWithOk();
    EXPECT_TRUE(FileHasLine(folder, "[HKey_ChgNormal]=1601"));
    EXPECT_TRUE(FileHasLine(folder, "[HKey_ChgReverse]=0"));
    EXPECT_TRUE(FileHasLine(folder, "[HKey_ChgRandam]=0"));
    EXPECT_TRUE(FileHasLine(folder, "[HKey_ChgNone]=1136"));
}

TEST_F(HotkeyPagesTest, StoredValuesOutOfRangeAreShownCleanedAndOnlyTheirLinesChange) {
    // 67137 is Ctrl+Alt+A (1601) with a bit beyond the 16 of a hot-key code.
    Start(FolderLine() + "[HKey_ChgNormal]=67137\r\n[HKey_ChgReverse]=1136\r\n[Timer_Stop_FullScreen]=7\r\n");
    ShowPage("ホットキー", IDD_HOTKEY);
    EXPECT_EQ(Page(IDD_HOTKEY).Hotkey(IDC_HOTKEY_ASCENDING), kCtrlAltA);
    EXPECT_EQ(Page(IDD_HOTKEY).Hotkey(IDC_HOTKEY_DESCENDING), kAltF1);
    EXPECT_EQ(Page(IDD_HOTKEY).Hotkey(IDC_HOTKEY_RANDOM), 0);
    ShowPage("タイマ停止", IDD_TIMER_STOP);
    EXPECT_FALSE(Page(IDD_TIMER_STOP).IsChecked(IDC_TIMER_STOP_FULL_SCREEN));

    SaveWithOk();
    std::string expected = Replaced(written, "[HKey_ChgNormal]=67137\r\n", "[HKey_ChgNormal]=1601\r\n");
    // Start-up wrote the flag as 1; the page shows 7 cleared and stores 0.
    expected = Replaced(expected, "[Timer_Stop_FullScreen]=1\r\n", "[Timer_Stop_FullScreen]=0\r\n");
    ASSERT_NE(expected, written);
    EXPECT_EQ(folder.Read("Pelavine.ini"), expected);
}

TEST_F(HotkeyPagesTest, TheTimerStopBoxIsStoredAndBothPagesShowTheirHelp) {
    Start(FolderLine());
    EXPECT_EQ(
        Page(IDD_HOTKEY).ItemText(IDC_HELP_TEXT).rfind("特定のキーボードキーを押して壁紙を変更する設定です。\n", 0),
        0u);
    ShowPage("タイマ停止", IDD_TIMER_STOP);
    const RemoteWindow page = Page(IDD_TIMER_STOP);
    EXPECT_EQ(page.ItemText(IDC_HELP_TEXT).rfind("タイマを一時的に無効にする設定です。\n", 0), 0u);
    EXPECT_EQ(page.ItemText(IDC_TIMER_STOP_FULL_SCREEN), "フルスクリーンアプリケーション実行時は停止する");
    page.Click(IDC_TIMER_STOP_FULL_SCREEN);
    ASSERT_TRUE(WaitUntil([&] { return page.IsChecked(IDC_TIMER_STOP_FULL_SCREEN); }));
    SaveWithOk();
    EXPECT_TRUE(FileHasLine(folder, "[Timer_Stop_FullScreen]=1"));
}

TEST_F(HotkeyPagesTest, AfterApplyAChangedKeyCountsAsAChangeOnceThePageIsLeft) {
    Start(FolderLine());
    window->Click(IDC_APPLY);
    ASSERT_TRUE(WaitUntil([&] { return folder.PelavineStarts().size() == 1; }));
    ShowPage("ホットキー", IDD_HOTKEY);
    Page(IDD_HOTKEY).SetHotkey(IDC_HOTKEY_RANDOM, kAltF1);
    ShowPage("その他", IDD_OTHER);
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
    EXPECT_TRUE(FileHasLine(folder, "[HKey_ChgRandam]=0"));
}

} // namespace
} // namespace pelaconf::driver
