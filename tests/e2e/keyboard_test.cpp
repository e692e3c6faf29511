// The settings window, the wizard, the priority dialog and the wallpaper browser worked with the
// keyboard alone. Keys are typed with SendInput and go where the program put the focus; the
// test never sets the focus itself.
#include "driver.h"
#include "flat_picture.h"
#include "image/bmp_codec.h"
#include "journey_helpers.h"
#include "keyboard.h"
#include "resource.h"
#include "settings_window_fixture.h"
#include "window_thread.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace pelaconf::driver {
namespace {

using Ids = std::vector<int>;

// Every page's tab stops with the start file below, in the order Tab reaches them.
struct PageTabStops {
    const char* label;
    int templateId;
    Ids controls;
};
const std::vector<PageTabStops> kTabStops = {
    {"基本設定", IDD_BASIC_OVERVIEW, {IDC_LINK_1, IDC_LINK_2, IDC_LINK_3, IDC_LINK_4}},
    {"壁紙フォルダ", IDD_WALLPAPER_FOLDER, {IDC_FOLDER_PATH, IDC_FOLDER_BROWSE, IDC_FOLDER_SUBFOLDERS}},
    {"起動", IDD_STARTUP, {IDC_START_CHANGE_WALLPAPER, IDC_START_SHOW_TOOLBAR, IDC_START_EXIT_AT_ONCE}},
    {"表示順", IDD_DISPLAY_ORDER, {IDC_ORDER_RANDOM, IDC_ORDER_ONE_ROUND}},
    {"表示位置", IDD_DISPLAY_POSITION, {IDC_POSITION_CENTRE, IDC_POSITION_FIT}},
    {"自動壁紙変更", IDD_AUTO_CHANGE_OVERVIEW, {IDC_LINK_1, IDC_LINK_2, IDC_LINK_3, IDC_LINK_4}},
    {"タイマ",
     IDD_TIMER,
     {IDC_TIMER_TYPE, IDC_TIMER_TIME_OF_DAY_LIST, IDC_TIMER_ADD, IDC_TIMER_REMOVE, IDC_TIMER_HOUR, IDC_TIMER_MINUTE}},
    {"外部プログラム実行",
     IDD_EXTERNAL_PROGRAM,
     {IDC_EXEC_PATH, IDC_FILE_BROWSE, IDC_EXEC_AT_START, IDC_EXEC_ON_TIMER, IDC_EXEC_ON_MANUAL_CHANGE}},
    {"WAVEの演奏",
     IDD_WAVE,
     {IDC_WAVE_PATH, IDC_WAVE_TEST_PLAY, IDC_FILE_BROWSE, IDC_WAVE_AT_START, IDC_WAVE_ON_TIMER,
      IDC_WAVE_ON_MANUAL_CHANGE}},
    {"タイマ停止", IDD_TIMER_STOP, {IDC_TIMER_STOP_FULL_SCREEN}},
    {"詳細設定", IDD_DETAIL_OVERVIEW, {IDC_LINK_1, IDC_LINK_2, IDC_LINK_3, IDC_LINK_4, IDC_LINK_5}},
    {"Susieプラグイン",
     IDD_SUSIE,
     {IDC_SUSIE_USE, IDC_SUSIE_FOLDER, IDC_SUSIE_INSTALL_FOLDER, IDC_SUSIE_BROWSE, IDC_SUSIE_PRIORITIES,
      IDC_SUSIE_REFRESH}},
    {"タスクトレイアイコン", IDD_TRAY_ICON, {IDC_TRAY_LEFT_SINGLE, IDC_TRAY_LEFT_DOUBLE}},
    {"デスクトップアイコン", IDD_DESKTOP_ICON, {IDC_ICON_TRANSPARENT_AFTER_CHANGE}},
    {"ホットキー",
     IDD_HOTKEY,
     {IDC_HOTKEY_ASCENDING, IDC_HOTKEY_DESCENDING, IDC_HOTKEY_RANDOM, IDC_HOTKEY_REMOVE}},
    {"その他", IDD_OTHER, {IDC_OTHER_FADE, IDC_OTHER_WAIT_WINDOW, IDC_OTHER_TRANSPARENCY}},
    {"壁紙変更", IDD_WALLPAPER_BROWSER, {IDC_BROWSER_TREE, IDC_BROWSER_APPLY, IDC_BROWSER_PATH}},
    {"バージョン", IDD_VERSION, {IDC_HOME_PAGE_LINK}},
};

// Presses the key until `read` gives `wanted`, waiting after each press for what it read to
// change; false when it never does within `limit` presses.
bool PressUntil(UINT virtualKey, const std::function<std::string()>& read, const std::string& wanted, int limit = 20) {
    for (int presses = 0; presses < limit && read() != wanted; ++presses) {
        const std::string before = read();
        Type(virtualKey);
        if (!WaitUntil([&] { return read() != before; })) {
            return false;
        }
    }
    return read() == wanted;
}

class KeyboardTest : public SettingsWindowFixture {
protected:
    // Random order (one round enabled), the time-of-day timer, Susie in use and the wait window
    // translucent: every control the pages have is enabled.
    std::string EverythingEnabled() const {
        return FolderLine() + "[Turn_Type]=2\r\n[Timer_Type]=3\r\n[Susie_Use]=1\r\n[Susie_Dir_Path]=" + FolderPath() +
               "\r\n[WaitDlg_Trans]=50\r\n[SetupDlg_Fade]=1\r\n";
    }
    bool TreeHasFocus() const { return FocusIsOn(window->Handle(), IDC_CATEGORY_TREE); }
    // Waits until the window is the active one and its tree has the keyboard.
    void ExpectTreeFocusedInActiveWindow(const char* when) const {
        EXPECT_TRUE(WaitUntil([&] { return ActiveWindow() == window->Handle() && TreeHasFocus(); }))
            << when << ": the active window is " << RemoteWindow(ActiveWindow()).Text() << ", the focus on "
            << Describe(FocusedWindow());
    }
    // Moves through the tree with the arrow keys, from the category selected now to the one with
    // the label.
    void ArrowTo(const std::string& label) const {
        const auto labels = window->TreeLabels(IDC_CATEGORY_TREE);
        const auto at = [&](const std::string& l) { return std::find(labels.begin(), labels.end(), l) - labels.begin(); };
        const UINT key = at(label) > at(window->SelectedTreeLabel(IDC_CATEGORY_TREE)) ? VK_DOWN : VK_UP;
        ASSERT_TRUE(PressUntil(key, [&] { return window->SelectedTreeLabel(IDC_CATEGORY_TREE); }, label)) << label;
    }
    // Presses Tab until the control of the page has the focus.
    void TabTo(int templateId, int controlId) const {
        for (int presses = 0; presses < 20 && !FocusIsOn(Page(templateId).Handle(), controlId); ++presses) {
            ASSERT_NE(TabToNext(), nullptr) << "Tab moved the focus nowhere";
        }
        ASSERT_TRUE(FocusIsOn(Page(templateId).Handle(), controlId)) << "Tab never reached " << controlId;
    }
};

TEST_F(KeyboardTest, TheWindowOpensActiveWithTheTreeFocusedAndKeepsItOnceEveryPageIsMade) {
    folder.Write("Pelavine.ini", FolderLine());
    Launch();
    ExpectTreeFocusedInActiveWindow("as the window opens");
    ASSERT_TRUE(WaitUntil([&] { return AllPagesMade(); }));
    ExpectTreeFocusedInActiveWindow("once every page is made");
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

TEST_F(KeyboardTest, ArrowKeysMoveThroughEveryCategoryAndEscapeAsksBeforeClosing) {
    Start(FolderLine());
    ExpectTreeFocusedInActiveWindow("at the start");
    const auto labels = window->TreeLabels(IDC_CATEGORY_TREE);
    ASSERT_EQ(labels.size(), kTabStops.size());
    for (size_t i = 1; i < labels.size(); ++i) {
        Type(VK_DOWN);
        EXPECT_TRUE(WaitUntil([&] {
            return window->SelectedTreeLabel(IDC_CATEGORY_TREE) == labels[i] &&
                   Page(kTabStops[i].templateId).IsVisible() && window->Child(IDD_CAPTION_BAR).Text() == labels[i];
        })) << labels[i];
    }
    Type(VK_ESCAPE);
    ASSERT_TRUE(pelaconf->Answer(expected::kDiscardQuestion, IDYES)) << "Escape did not ask";
    EXPECT_TRUE(pelaconf->WaitForExit());
    EXPECT_TRUE(Unchanged());
}

// A property sheet's order: the tree, the shown page's controls in their layout's order, then the
// window's buttons, and round to the tree again.
TEST_F(KeyboardTest, TabGoesFromTheTreeThroughThePageToTheButtons) {
    Start(EverythingEnabled());
    ExpectTreeFocusedInActiveWindow("at the start");
    for (const PageTabStops& page : kTabStops) {
        ArrowTo(page.label);
        std::vector<std::string> reached;
        std::vector<std::string> expected;
        for (const int id : page.controls) {
            expected.push_back(Describe(Page(page.templateId).Item(id)));
        }
        for (const int id : {IDOK, IDCANCEL, IDC_APPLY}) {
            expected.push_back(Describe(window->Item(id)));
        }
        for (size_t presses = 0; presses <= expected.size(); ++presses) {
            const HWND next = TabToNext();
            if (next == nullptr || next == window->Item(IDC_CATEGORY_TREE)) {
                break;
            }
            reached.push_back(Describe(next));
        }
        EXPECT_EQ(reached, expected) << page.label;
        ASSERT_TRUE(TreeHasFocus()) << page.label << ": Tab did not come round to the tree";
    }
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

// Space ticks a check box, the arrows choose in a radio group, a drop-down list and a slider;
// Alt+A applies, and Enter is OK.
TEST_F(KeyboardTest, SpaceAndArrowsChangeTheControlsAltAAppliesAndEnterIsOk) {
    Start(FolderLine() + "[Turn_Type]=0\r\n[Left_Single]=0\r\n[SetupDlg_Fade]=1\r\n[WaitDlg_Trans]=50\r\n");
    ExpectTreeFocusedInActiveWindow("at the start");
    ArrowTo("起動");
    TabTo(IDD_STARTUP, IDC_START_CHANGE_WALLPAPER);
    Type(VK_SPACE);
    EXPECT_TRUE(WaitUntil([&] { return Page(IDD_STARTUP).IsChecked(IDC_START_CHANGE_WALLPAPER); }));

    Type(VK_TAB); // back to the tree round the buttons is longer than Shift+Tab
    ASSERT_NE(WaitForFocusToLeave(Page(IDD_STARTUP).Item(IDC_START_CHANGE_WALLPAPER)), nullptr);
    TypeWith(VK_SHIFT, VK_TAB);
    TypeWith(VK_SHIFT, VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return TreeHasFocus(); }));
    ArrowTo("表示順");
    TabTo(IDD_DISPLAY_ORDER, IDC_ORDER_ASCENDING);
    Type(VK_DOWN);
    EXPECT_TRUE(WaitUntil([&] { return Page(IDD_DISPLAY_ORDER).IsChecked(IDC_ORDER_DESCENDING); }));

    TypeWith(VK_SHIFT, VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return TreeHasFocus(); }));
    ArrowTo("タスクトレイアイコン");
    TabTo(IDD_TRAY_ICON, IDC_TRAY_LEFT_SINGLE);
    const int single = Page(IDD_TRAY_ICON).DropDownIndex(IDC_TRAY_LEFT_SINGLE);
    Type(VK_DOWN);
    EXPECT_TRUE(WaitUntil([&] { return Page(IDD_TRAY_ICON).DropDownIndex(IDC_TRAY_LEFT_SINGLE) == single + 1; }));

    TypeWith(VK_SHIFT, VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return TreeHasFocus(); }));
    ArrowTo("その他");
    TabTo(IDD_OTHER, IDC_OTHER_TRANSPARENCY);
    const HWND slider = Page(IDD_OTHER).Item(IDC_OTHER_TRANSPARENCY);
    const auto position = SendMessageW(slider, TBM_GETPOS, 0, 0);
    Type(VK_RIGHT);
    EXPECT_TRUE(WaitUntil([&] { return SendMessageW(slider, TBM_GETPOS, 0, 0) != position; }));

    TypeWith(VK_MENU, 'A');
    ASSERT_TRUE(WaitUntil([&] { return folder.PelavineStarts().size() == 1; })) << "Alt+A did not apply";
    EXPECT_TRUE(FileHasLine(folder, "[Start_Exec_Type]=1"));
    EXPECT_TRUE(FileHasLine(folder, "[Turn_Type]=1"));
    EXPECT_TRUE(FileHasLine(folder, "[Left_Single]=" + std::to_string(single + 1)));
    EXPECT_FALSE(FileHasLine(folder, "[WaitDlg_Trans]=50")) << "the slider's value was not applied";

    TabTo(IDD_OTHER, IDC_OTHER_WAIT_WINDOW);
    Type(VK_SPACE);
    ASSERT_TRUE(WaitUntil([&] { return !Page(IDD_OTHER).IsChecked(IDC_OTHER_WAIT_WINDOW); }));
    Type(VK_RETURN);
    ASSERT_TRUE(pelaconf->Answer(expected::kRestartQuestion, IDNO)) << "Enter did not save";
    ASSERT_TRUE(pelaconf->WaitForExit());
    EXPECT_TRUE(FileHasLine(folder, "[WaitDlg_Trans]=0"));
}

// A time is typed into the fields and added with Space on the add button. A refused hour gives the
// keyboard back to the hour field with its text selected, so that the next key replaces it.
TEST_F(KeyboardTest, ATimeIsTypedAndAddedAndARefusedHourIsTypedOver) {
    Start(FolderLine() + "[Timer_Type]=3\r\n");
    ExpectTreeFocusedInActiveWindow("at the start");
    ArrowTo("タイマ");
    const RemoteWindow page = Page(IDD_TIMER);
    const auto typeDigits = [&](int fieldId, const std::string& digits) {
        for (const char digit : digits) {
            Type(static_cast<UINT>(digit));
        }
        ASSERT_TRUE(WaitUntil([&] { return page.ItemText(fieldId) == digits; }))
            << fieldId << " holds " << page.ItemText(fieldId);
    };
    const auto shiftTabToAdd = [&] {
        for (int presses = 0; presses < 5 && !FocusIsOn(page.Handle(), IDC_TIMER_ADD); ++presses) {
            const HWND before = FocusedWindow();
            TypeWith(VK_SHIFT, VK_TAB);
            ASSERT_NE(WaitForFocusToLeave(before), nullptr) << "Shift+Tab moved the focus nowhere";
        }
        ASSERT_TRUE(FocusIsOn(page.Handle(), IDC_TIMER_ADD)) << "the focus is on " << Describe(FocusedWindow());
    };

    TabTo(IDD_TIMER, IDC_TIMER_HOUR); // Tab selects the field's text, which the digits replace
    typeDigits(IDC_TIMER_HOUR, "24");
    Type(VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return FocusIsOn(page.Handle(), IDC_TIMER_MINUTE); }));
    typeDigits(IDC_TIMER_MINUTE, "5");
    shiftTabToAdd();
    Type(VK_SPACE);
    ASSERT_TRUE(pelaconf->Answer("0 から 23 までの数値を入力して下さい", IDOK));
    ASSERT_TRUE(WaitUntil([&] { return FocusIsOn(page.Handle(), IDC_TIMER_HOUR); }))
        << "the focus is on " << Describe(FocusedWindow());
    typeDigits(IDC_TIMER_HOUR, "9");

    shiftTabToAdd();
    Type(VK_SPACE);
    ASSERT_TRUE(WaitUntil([&] {
        return page.ListBoxTexts(IDC_TIMER_TIME_OF_DAY_LIST) == std::vector<std::string>{"09 時 05 分"};
    }));
    TypeWith(VK_MENU, 'A');
    ASSERT_TRUE(WaitUntil([&] { return folder.PelavineStarts().size() == 1; })) << "Alt+A did not apply";
    EXPECT_TRUE(FileHasLine(folder, "[Timer2_List]=545"));
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::NotAsked);
}

TEST_F(KeyboardTest, InTheWizardEnterIsNextAltBIsBackAndEscapeCancels) {
    Launch();
    const auto wizard = pelaconf->WaitForWizard();
    ASSERT_TRUE(wizard);
    ASSERT_TRUE(WaitUntil([&] { return ActiveWindow() == wizard->Handle(); })) << "the wizard is not active";
    Type(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return wizard->Child(IDD_WALLPAPER_FOLDER).IsVisible(); })) << "Enter is not Next";
    TypeWith(VK_MENU, 'B');
    EXPECT_TRUE(WaitUntil([&] { return wizard->Child(IDD_WIZARD_MESSAGE).IsVisible(); })) << "Alt+B is not Back";
    Type(VK_ESCAPE);
    ASSERT_TRUE(pelaconf->Answer(expected::kWizardCancelQuestion, IDYES)) << "Escape did not ask";
    ASSERT_TRUE(WaitUntil([&] { return !wizard->Exists(); }));
    ExpectTreeFocusedInActiveWindow("after the wizard");
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

// Another program's window, made active by the test.
HWND MakeActiveWindowOfAnotherProgram() {
    const HWND window = CreateWindowExW(0, L"STATIC", L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                                        200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(window);
    return window;
}

TEST_F(KeyboardTest, ASecondStartGivesTheKeyboardBackToTheOpenWindow) {
    Start(FolderLine());
    const WindowThread other(MakeActiveWindowOfAnotherProgram);
    ASSERT_TRUE(WaitUntil([&] { return ActiveWindow() == other.Window(); }));
    PelaconfProcess second(folder);
    EXPECT_TRUE(second.WaitForExit()) << "the second start stayed";
    ExpectTreeFocusedInActiveWindow("after the second start");
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

// The command line's message has no window to open over: it comes to the front by itself, above
// the program that started Pelaconf.
TEST_F(KeyboardTest, ACommandLineMessageComesToTheFront) {
    folder.Write("Pelavine.ini", FolderLine());
    const WindowThread other(MakeActiveWindowOfAnotherProgram);
    ASSERT_TRUE(WaitUntil([&] { return ActiveWindow() == other.Window(); }));
    const PelaconfProcess wallpaperMode(folder, L"\"" + folder.PathOf("missing.jpg") + L"\"");
    const auto box = wallpaperMode.WaitForMessageBox("画像ファイルが存在しません。");
    ASSERT_TRUE(box);
    EXPECT_TRUE(WaitUntil([&] { return ActiveWindow() == box->Handle(); })) << "the message opened behind";
    Type(VK_RETURN);
    EXPECT_TRUE(wallpaperMode.WaitForExit()) << "Enter did not answer the message";
}

TEST_F(KeyboardTest, ThePriorityDialogIsWorkedWithoutAMouse) {
    folder.MakeFolder("Susie");
    std::string lines = FolderLine() + "[Susie_Use]=1\r\n[Susie_Dir_Path]=" + FolderPath() + "\\Susie\r\n";
    for (const char* name : {"pnm_as_jpg_a.spi", "pnm_as_jpg_b.spi"}) {
        ASSERT_TRUE(CopyFileW((BuildFolder() + L"\\test-plugins\\" + Utf8ToWide(name)).c_str(),
                              folder.PathOf(std::string("Susie\\") + name).c_str(), FALSE));
    }
    Start(lines + "[SPI]=jpg.00." + FolderPath() + "\\Susie\\pnm_as_jpg_a.spi\r\n[SPI]=jpg.01." + FolderPath() +
          "\\Susie\\pnm_as_jpg_b.spi\r\n");
    ExpectTreeFocusedInActiveWindow("at the start");
    ArrowTo("Susieプラグイン");
    TabTo(IDD_SUSIE, IDC_SUSIE_PRIORITIES);
    Type(VK_SPACE);
    const auto dialog = pelaconf->WaitForWindowTitled(expected::kPriorityDialogTitle);
    ASSERT_TRUE(dialog) << "Space did not open the dialog";
    ASSERT_TRUE(WaitUntil([&] { return FocusIsOn(dialog->Handle(), IDC_PRIORITY_EXTENSIONS); }))
        << Describe(FocusedWindow());

    Type(VK_DOWN);
    ASSERT_TRUE(WaitUntil([&] { return dialog->SelectedListBoxText(IDC_PRIORITY_EXTENSIONS) == ".JPG"; }))
        << "the arrow did not choose .JPG";
    Type(VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return FocusIsOn(dialog->Handle(), IDC_PRIORITY_PLUGINS); }));
    ASSERT_TRUE(PressUntil(
        VK_DOWN, [&] { return dialog->SelectedListBoxText(IDC_PRIORITY_PLUGINS); }, "pnm_as_jpg_b.spi", 3));
    // As a person would, the next key waits until the dialog shows what the chosen plug-in says of itself.
    ASSERT_TRUE(WaitUntil([&] {
        return dialog->ItemText(IDC_PRIORITY_INFORMATION).find("Test filter B 1.0") != std::string::npos;
    })) << dialog->ItemText(IDC_PRIORITY_INFORMATION);
    ASSERT_TRUE(dialog->IsItemEnabled(IDC_PRIORITY_UP));
    Type(VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return FocusIsOn(dialog->Handle(), IDC_PRIORITY_UP); })) << Describe(FocusedWindow());
    Type(VK_SPACE);
    ASSERT_TRUE(WaitUntil([&] {
        return dialog->ListBoxTexts(IDC_PRIORITY_PLUGINS) == std::vector<std::string>{"pnm_as_jpg_b.spi", "pnm_as_jpg_a.spi"};
    })) << "Space did not move the plug-in up";
    ASSERT_TRUE(WaitUntil([&] { return FocusIsOn(dialog->Handle(), IDC_PRIORITY_PLUGINS); }))
        << "the focus stayed on the button that can no longer move it";
    Type(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !dialog->Exists(); })) << "Enter is not OK";

    TypeWith(VK_MENU, 'A');
    ASSERT_TRUE(WaitUntil([&] { return folder.PelavineStarts().size() == 1; })) << "Alt+A did not apply";
    EXPECT_TRUE(FileHasLine(folder, "[SPI]=jpg.00." + FolderPath() + "\\Susie\\pnm_as_jpg_b.spi"));
    EXPECT_TRUE(FileHasLine(folder, "[SPI]=jpg.01." + FolderPath() + "\\Susie\\pnm_as_jpg_a.spi"));
    Type(VK_ESCAPE);
    EXPECT_TRUE(pelaconf->WaitForExit()) << "Escape after Apply closes without a question";
}

TEST_F(KeyboardTest, TheBrowserTreeOpensAFolderAndAppliesAnImageWithoutAMouse) {
    folder.MakeFolder("walls");
    folder.Write("walls\\wide.bmp", EncodeBmp24(FlatPicture(64, 32, 0xFF3366CCu)));
    Start("[Wall_Dir_Path]=" + FolderPath() + "\\walls\r\n");
    ExpectTreeFocusedInActiveWindow("at the start");
    ArrowTo("壁紙変更");
    TabTo(IDD_WALLPAPER_BROWSER, IDC_BROWSER_TREE);
    const RemoteWindow browser = Page(IDD_WALLPAPER_BROWSER);
    ASSERT_TRUE(PressUntil(VK_DOWN, [&] { return browser.SelectedTreeLabel(IDC_BROWSER_TREE); }, "壁紙フォルダ"));
    Type(VK_RIGHT);
    ASSERT_TRUE(WaitUntil([&] {
        return browser.TreeChildLabels(IDC_BROWSER_TREE, "壁紙フォルダ") == std::vector<std::string>{"wide.bmp"};
    })) << "the right arrow did not open the folder";
    Type(VK_DOWN);
    ASSERT_TRUE(WaitUntil([&] { return browser.ItemText(IDC_BROWSER_PATH) == FolderPath() + "\\walls\\wide.bmp"; }));
    Type(VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return FocusIsOn(browser.Handle(), IDC_BROWSER_APPLY); }));
    Type(VK_SPACE);
    EXPECT_TRUE(WaitUntil([&] { return folder.Exists("Wallpaper.bmp"); })) << "Space did not apply the image";
    ASSERT_TRUE(WaitUntil([&] { return pelaconf->MessageBoxes().empty(); }));
    Type(VK_ESCAPE);
    ASSERT_TRUE(pelaconf->Answer(expected::kDiscardQuestion, IDYES));
    EXPECT_TRUE(pelaconf->WaitForExit());
}

} // namespace
} // namespace pelaconf::driver
