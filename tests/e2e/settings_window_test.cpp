// Journeys through the settings window: categories and their pages, OK, Apply and Cancel,
// saving, Shuffle.ini and the restart of Pelavine.
#include "driver.h"
#include "journey_helpers.h"
#include "resource.h"
#include "settings_window_fixture.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace pelaconf::driver {
namespace {

constexpr char kFolderMissing[] = "壁紙フォルダは存在しません";
constexpr char kSameKey[] = "同じキーを設定したホットキーが存在します";

struct CategoryPage {
    const char* label;
    int templateId;
};
constexpr std::array<CategoryPage, 18> kCategoryPages{{
    {"基本設定", 101},
    {"壁紙フォルダ", 103},
    {"起動", 105},
    {"表示順", 106},
    {"表示位置", 107},
    {"自動壁紙変更", 108},
    {"タイマ", 109},
    {"外部プログラム実行", 110},
    {"WAVEの演奏", 111},
    {"タイマ停止", 112},
    {"詳細設定", 113},
    {"Susieプラグイン", 115},
    {"タスクトレイアイコン", 117},
    {"デスクトップアイコン", 118},
    {"ホットキー", 152},
    {"その他", 155},
    {"壁紙変更", 114},
    {"バージョン", 119},
}};

// The one page of the window that is visible now, by template id; 0 when none or several are.
int VisiblePage(const RemoteWindow& window) {
    int visible = 0;
    for (const auto& category : kCategoryPages) {
        if (window.Child(category.templateId).IsVisible()) {
            visible = visible == 0 ? category.templateId : -1;
        }
    }
    return visible < 0 ? 0 : visible;
}

bool Shows(const RemoteWindow& window, const CategoryPage& category) {
    return WaitUntil([&] {
        return window.Child(IDD_CAPTION_BAR).Text() == category.label && VisiblePage(window) == category.templateId &&
               window.SelectedTreeLabel(IDC_CATEGORY_TREE) == category.label;
    });
}

class SettingsWindowTest : public SettingsWindowFixture {};

TEST_F(SettingsWindowTest, EveryCategoryShowsItsPageUnderItsCaption) {
    Start();
    EXPECT_TRUE(Shows(*window, kCategoryPages[0])) << "the first category is shown at the start";
    for (size_t i = kCategoryPages.size(); i-- > 0;) {
        Select(kCategoryPages[i].label);
        EXPECT_TRUE(Shows(*window, kCategoryPages[i])) << kCategoryPages[i].label;
    }
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

TEST_F(SettingsWindowTest, EachOverviewLinkSelectsItsCategory) {
    Start();
    struct Link {
        int overviewIndex;
        int buttonId;
        int targetIndex;
    };
    const Link links[] = {{0, 1006, 1},   {0, 1007, 2},   {0, 1008, 3},  {0, 1009, 4},   {5, 1006, 6},
                          {5, 1007, 7},   {5, 1008, 8},   {5, 1009, 9},  {10, 1006, 11}, {10, 1007, 12},
                          {10, 1008, 13}, {10, 1009, 14}, {10, 1015, 15}};
    for (const auto& link : links) {
        const auto& overview = kCategoryPages[link.overviewIndex];
        Select(overview.label);
        EXPECT_EQ(Page(overview.templateId).ItemText(link.buttonId), kCategoryPages[link.targetIndex].label);
        Page(overview.templateId).Click(link.buttonId);
        EXPECT_TRUE(Shows(*window, kCategoryPages[link.targetIndex])) << kCategoryPages[link.targetIndex].label;
    }
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

TEST_F(SettingsWindowTest, OkAfterAnApplyWritesNothingAndStartsNothing) {
    Start();
    window->Click(IDC_APPLY);
    ASSERT_TRUE(WaitUntil([&] { return folder.PelavineStarts().size() == 1; }));
    folder.Remove("Pelavine.ini");
    window->Click(IDOK);
    ASSERT_TRUE(pelaconf->WaitForExit());
    EXPECT_FALSE(folder.Exists("Pelavine.ini"));
    EXPECT_EQ(folder.PelavineStarts().size(), 1u);
}

TEST_F(SettingsWindowTest, OkAfterChangingTheDisplayOrderSavesAsksAndRestartsPelavineOnce) {
    Start();
    folder.Write("Shuffle.ini", "remembered");
    Select("表示順");
    Page(IDD_DISPLAY_ORDER).Click(IDC_ORDER_RANDOM);
    ASSERT_TRUE(WaitUntil([&] { return Page(IDD_DISPLAY_ORDER).IsChecked(IDC_ORDER_RANDOM); }));
    window->Click(IDOK);
    ASSERT_TRUE(pelaconf->Answer(expected::kRestartQuestion, IDYES));
    ASSERT_TRUE(pelaconf->WaitForExit());
    EXPECT_TRUE(FileHasLine(folder, "[Turn_Type]=2"));
    EXPECT_EQ(folder.PelavineStarts(), std::vector<std::string>{"Pelavine.exe /nochange"});
    EXPECT_EQ(folder.Read("Shuffle.ini"), "remembered");
}

TEST_F(SettingsWindowTest, AnotherWallpaperFolderDeletesShuffleIniButOtherLetterCaseDoesNot) {
    Start();
    folder.MakeFolder("Walls");
    folder.Write("Shuffle.ini", "remembered");
    Page(IDD_WALLPAPER_FOLDER).SetItemText(IDC_FOLDER_PATH, AsciiUpper(FolderPath()));
    window->Click(IDC_APPLY);
    ASSERT_TRUE(WaitUntil([&] { return folder.PelavineStarts().size() == 1; }));
    EXPECT_TRUE(folder.Exists("Shuffle.ini")) << "only the letter case changed";
    EXPECT_TRUE(FileHasLine(folder, "[Wall_Dir_Path]=" + AsciiUpper(FolderPath())));

    Page(IDD_WALLPAPER_FOLDER).SetItemText(IDC_FOLDER_PATH, FolderPath() + "\\Walls");
    window->Click(IDOK);
    ASSERT_TRUE(pelaconf->Answer(expected::kRestartQuestion, IDNO));
    ASSERT_TRUE(pelaconf->WaitForExit());
    EXPECT_FALSE(folder.Exists("Shuffle.ini"));
    EXPECT_TRUE(FileHasLine(folder, "[Wall_Dir_Path]=" + FolderPath() + "\\Walls"));
    EXPECT_EQ(folder.PelavineStarts().size(), 1u) << "No starts nothing";
}

TEST_F(SettingsWindowTest, TickingOnlyTheSusieBoxDeletesShuffleIniAndAHiddenFileStaysHidden) {
    Start(FolderLine() + "[Susie_Use]=0\r\n[Susie_Dir_Path]=" + FolderPath() + "\r\n");
    folder.Write("Shuffle.ini", "remembered");
    const std::wstring settingsFile = folder.Path() + L"\\Pelavine.ini";
    ASSERT_TRUE(SetFileAttributesW(settingsFile.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ShowPage("Susieプラグイン", IDD_SUSIE);
    Page(IDD_SUSIE).Click(IDC_SUSIE_USE);
    ASSERT_TRUE(WaitUntil([&] { return Page(IDD_SUSIE).IsChecked(IDC_SUSIE_USE); }));
    SaveWithOk();
    EXPECT_TRUE(FileHasLine(folder, "[Susie_Use]=1"));
    EXPECT_FALSE(folder.Exists("Shuffle.ini"));
    EXPECT_TRUE(GetFileAttributesW(settingsFile.c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

// The change of category stores the box's value before Apply; Apply still counts it as a change,
// and OK after it compares with what Apply wrote.
TEST_F(SettingsWindowTest, TheSusieBoxTickedBeforeAChangeOfCategoryDeletesShuffleIniOnce) {
    Start(FolderLine() + "[Susie_Use]=0\r\n[Susie_Dir_Path]=" + FolderPath() + "\r\n");
    folder.Write("Shuffle.ini", "remembered");
    ShowPage("Susieプラグイン", IDD_SUSIE);
    Page(IDD_SUSIE).Click(IDC_SUSIE_USE);
    ASSERT_TRUE(WaitUntil([&] { return Page(IDD_SUSIE).IsChecked(IDC_SUSIE_USE); }));
    ShowPage("表示順", IDD_DISPLAY_ORDER);
    window->Click(IDC_APPLY);
    ASSERT_TRUE(WaitUntil([&] { return folder.PelavineStarts().size() == 1; }));
    EXPECT_TRUE(FileHasLine(folder, "[Susie_Use]=1"));
    EXPECT_FALSE(folder.Exists("Shuffle.ini"));

    folder.Write("Shuffle.ini", "remembered again");
    Page(IDD_DISPLAY_ORDER).Click(IDC_ORDER_RANDOM);
    ASSERT_TRUE(WaitUntil([&] { return Page(IDD_DISPLAY_ORDER).IsChecked(IDC_ORDER_RANDOM); }));
    SaveWithOk();
    EXPECT_TRUE(FileHasLine(folder, "[Turn_Type]=2"));
    EXPECT_EQ(folder.Read("Shuffle.ini"), "remembered again");
}

TEST_F(SettingsWindowTest, AMissingWallpaperFolderStopsEveryWayOut) {
    Start();
    Page(IDD_WALLPAPER_FOLDER).SetItemText(IDC_FOLDER_PATH, FolderPath() + "\\Missing");
    const auto expectRefusal = [&](const char* what) {
        EXPECT_TRUE(pelaconf->Answer(kFolderMissing, IDOK)) << what;
        EXPECT_TRUE(Shows(*window, kCategoryPages[1])) << what;
        EXPECT_TRUE(Unchanged()) << what;
    };
    window->SelectTreeItem(IDC_CATEGORY_TREE, "タイマ");
    expectRefusal("another category");
    window->Click(IDC_APPLY);
    expectRefusal("Apply");
    window->Click(IDOK);
    expectRefusal("OK");
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
    EXPECT_TRUE(Unchanged());
    EXPECT_TRUE(folder.PelavineStarts().empty());
}

// A switch made at once after the window appears, while it still makes its later pages, meets
// every page: the hot-key page, among the last made, refuses it for two actions stored with one key
// before it exists, and lets it through once they differ.
TEST_F(SettingsWindowTest, ACategoryChangeRightAfterTheWindowAppearsValidatesEveryPage) {
    constexpr int kCtrlAltA = 0x0641, kAltF1 = 0x0470;
    folder.Write("Pelavine.ini", FolderLine() + "[HKey_ChgNormal]=" + std::to_string(kCtrlAltA) +
                                     "\r\n[HKey_ChgNone]=" + std::to_string(kCtrlAltA) + "\r\n");
    Launch();
    const bool hotkeyPageWasMissing = window->Item(IDD_HOTKEY) == nullptr;
    ASSERT_TRUE(window->SelectTreeItem(IDC_CATEGORY_TREE, "表示順"));
    EXPECT_TRUE(hotkeyPageWasMissing) << "the hot-key page was made before the switch, which then tested nothing new";
    ASSERT_TRUE(pelaconf->Answer(kSameKey, IDOK));
    EXPECT_TRUE(Shows(*window, kCategoryPages[14]));
    Page(IDD_HOTKEY).SetHotkey(IDC_HOTKEY_REMOVE, kAltF1);
    ASSERT_TRUE(window->SelectTreeItem(IDC_CATEGORY_TREE, "表示順"));
    EXPECT_TRUE(Shows(*window, kCategoryPages[3]));
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

TEST_F(SettingsWindowTest, AnOverviewLinkIsRefusedWhileTheWallpaperFolderIsMissing) {
    Start();
    Page(IDD_WALLPAPER_FOLDER).SetItemText(IDC_FOLDER_PATH, FolderPath() + "\\Missing");
    Page(IDD_BASIC_OVERVIEW).Click(IDC_LINK_3);
    EXPECT_TRUE(pelaconf->Answer(kFolderMissing, IDOK));
    EXPECT_TRUE(Shows(*window, kCategoryPages[1]));
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
    EXPECT_TRUE(Unchanged());
    EXPECT_TRUE(folder.PelavineStarts().empty());
}

TEST_F(SettingsWindowTest, ApplySavesAndRestartsWithoutAskingAndACancelAfterItAsksNothing) {
    Start();
    Select("起動");
    Page(IDD_STARTUP).Click(IDC_START_SHOW_TOOLBAR);
    ASSERT_TRUE(WaitUntil([&] { return Page(IDD_STARTUP).IsChecked(IDC_START_SHOW_TOOLBAR); }));
    window->Click(IDC_APPLY);
    ASSERT_TRUE(WaitUntil([&] { return folder.PelavineStarts().size() == 1; }));
    EXPECT_TRUE(FileHasLine(folder, "[Start_ToolBar_Type]=1"));
    // The window stays, and no message box comes from the Apply or, with nothing changed since,
    // from the Cancel.
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::NotAsked);
    EXPECT_TRUE(FileHasLine(folder, "[Start_ToolBar_Type]=1"));
    EXPECT_EQ(folder.PelavineStarts().size(), 1u);
}

TEST_F(SettingsWindowTest, CancelAfterAChangeAsksAndNoKeepsTheWindowAndItsValues) {
    Start();
    Select("表示位置");
    Page(IDD_DISPLAY_POSITION).Click(IDC_POSITION_STRETCH);
    ASSERT_TRUE(WaitUntil([&] { return Page(IDD_DISPLAY_POSITION).IsChecked(IDC_POSITION_STRETCH); }));
    window->Click(IDCANCEL);
    ASSERT_TRUE(pelaconf->Answer(expected::kDiscardQuestion, IDNO));
    EXPECT_TRUE(Page(IDD_DISPLAY_POSITION).IsChecked(IDC_POSITION_STRETCH));
    EXPECT_EQ(Page(IDD_WALLPAPER_FOLDER).ItemText(IDC_FOLDER_PATH), FolderPath());
    // Cancel asks again: the window stayed open with its changes.
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
    EXPECT_TRUE(Unchanged());
}

TEST_F(SettingsWindowTest, OkPressedTwiceQuicklyActsOnce) {
    Start();
    window->Click(IDOK);
    window->Click(IDOK);
    ASSERT_TRUE(pelaconf->Answer(expected::kRestartQuestion, IDYES));
    ASSERT_TRUE(pelaconf->WaitForExit());
    EXPECT_EQ(folder.PelavineStarts().size(), 1u);
}

TEST_F(SettingsWindowTest, AMissingPelavineIsReportedAndTheFileIsSavedAllTheSame) {
    Start();
    folder.Remove("Pelavine.exe");
    folder.Remove("Pelavine.ini");
    window->Click(IDOK);
    ASSERT_TRUE(pelaconf->Answer(expected::kRestartQuestion, IDYES));
    ASSERT_TRUE(pelaconf->Answer("設定の適用に失敗しました。", IDOK));
    ASSERT_TRUE(pelaconf->WaitForExit());
    EXPECT_EQ(folder.Read("Pelavine.ini"), written);
}

TEST_F(SettingsWindowTest, AnUnwritableFileIsReportedAndTheWindowStaysWithItsValues) {
    folder.Write("Pelavine.ini", FolderLine());
    ASSERT_TRUE(SetFileAttributesW(folder.PathOf("Pelavine.ini").c_str(), FILE_ATTRIBUTE_READONLY));
    pelaconf.emplace(folder);
    ASSERT_TRUE(pelaconf->Answer("設定ファイルの保存に失敗しました。", IDOK));
    window = pelaconf->WaitForSettingsWindow();
    ASSERT_TRUE(window);
    Select("表示順");
    Page(IDD_DISPLAY_ORDER).Click(IDC_ORDER_DESCENDING);
    ASSERT_TRUE(WaitUntil([&] { return Page(IDD_DISPLAY_ORDER).IsChecked(IDC_ORDER_DESCENDING); }));
    window->Click(IDOK);
    ASSERT_TRUE(pelaconf->Answer("設定ファイルの保存に失敗しました", IDOK));
    EXPECT_TRUE(Page(IDD_DISPLAY_ORDER).IsChecked(IDC_ORDER_DESCENDING));
    // The window stays: Apply fails the same way, and Cancel still has changes to ask about.
    window->Click(IDC_APPLY);
    ASSERT_TRUE(pelaconf->Answer("設定ファイルの保存に失敗しました", IDOK));
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
    EXPECT_TRUE(folder.PelavineStarts().empty());
    SetFileAttributesW(folder.PathOf("Pelavine.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(folder.Read("Pelavine.ini"), FolderLine());
}

TEST_F(SettingsWindowTest, WithFadingTheWindowBecomesOpaqueAndClosesAfterOk) {
    Start("[SetupDlg_Fade]=1\r\n[Wall_Dir_Path]=" + FolderPath() + "\r\n");
    ASSERT_TRUE(WaitUntil([&] { return window->Opacity() == 255; }));
    window->Click(IDOK);
    ASSERT_TRUE(pelaconf->Answer(expected::kRestartQuestion, IDNO));
    EXPECT_TRUE(pelaconf->WaitForExit());
}

TEST_F(SettingsWindowTest, WithoutFadingTheWindowIsNeverLayered) {
    Start();
    // A fade would make the window layered while it opens or after Cancel while it closes; it is
    // watched from the start to the end of the program.
    const auto layered = [&] { return window->Opacity().has_value(); };
    ASSERT_TRUE(window->SelectTreeItem(IDC_CATEGORY_TREE, "表示順"));
    EXPECT_TRUE(WaitUntilUnless([&] { return window->SelectedTreeLabel(IDC_CATEGORY_TREE) == "表示順"; }, layered));
    window->Click(IDCANCEL);
    ASSERT_TRUE(pelaconf->Answer(expected::kDiscardQuestion, IDYES));
    EXPECT_TRUE(WaitUntilUnless([&] { return pelaconf->HasExited(); }, layered)) << "layered, or did not end";
}

} // namespace
} // namespace pelaconf::driver
