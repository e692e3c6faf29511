// The four basic settings pages through the real program: how stored values are shown and
// stored back, and the rules between their controls.
#include "driver.h"
#include "journey_helpers.h"
#include "resource.h"
#include "settings_window_fixture.h"

#include <gtest/gtest.h>

namespace pelaconf::driver {
namespace {

class BasicPagesTest : public SettingsWindowFixture {};

// 髙﨑 in the codes Windows writes for them, which are among the IBM extensions.
TEST_F(BasicPagesTest, AWallpaperFolderNamedWithExtensionCodesIsFoundAndKeepsItsBytes) {
    folder.MakeFolder("髙﨑");
    ASSERT_TRUE(folder.Exists("髙﨑"));
    const std::string line = "[Wall_Dir_Path]=" + FolderPath() + "\\\xFB\xFC\xFA\xB1\r\n";
    Start(line);
    ShowPage("壁紙フォルダ", IDD_WALLPAPER_FOLDER);
    EXPECT_EQ(Page(IDD_WALLPAPER_FOLDER).ItemText(IDC_FOLDER_PATH), FolderPath() + "\\髙﨑");
    SaveWithOk(); // the folder exists, so OK saves and asks about the restart
    EXPECT_NE(folder.Read("Pelavine.ini").value_or("").find(line), std::string::npos);
}

TEST_F(BasicPagesTest, RandomWithOneRoundTurnsIntoAscendingWithoutTheRound) {
    Start(FolderLine() + "[Turn_Type]=3\r\n");
    ShowPage("表示順", IDD_DISPLAY_ORDER);
    const RemoteWindow order = Page(IDD_DISPLAY_ORDER);
    EXPECT_TRUE(order.IsChecked(IDC_ORDER_RANDOM));
    EXPECT_TRUE(order.IsChecked(IDC_ORDER_ONE_ROUND));
    EXPECT_TRUE(order.IsItemEnabled(IDC_ORDER_ONE_ROUND));
    order.Click(IDC_ORDER_ASCENDING);
    EXPECT_TRUE(WaitUntil([&] { return !order.IsItemEnabled(IDC_ORDER_ONE_ROUND); }));
    EXPECT_FALSE(order.IsChecked(IDC_ORDER_ONE_ROUND));
    EXPECT_TRUE(order.IsChecked(IDC_ORDER_ASCENDING));
    SaveWithOk();
    EXPECT_TRUE(FileHasLine(folder, "[Turn_Type]=0"));
}

TEST_F(BasicPagesTest, DescendingOrderShowsTheRoundDisabledOnceThePageIsShown) {
    Start(FolderLine() + "[Turn_Type]=1\r\n");
    ShowPage("表示順", IDD_DISPLAY_ORDER);
    EXPECT_TRUE(Page(IDD_DISPLAY_ORDER).IsChecked(IDC_ORDER_DESCENDING));
    EXPECT_FALSE(Page(IDD_DISPLAY_ORDER).IsChecked(IDC_ORDER_ONE_ROUND));
    EXPECT_FALSE(Page(IDD_DISPLAY_ORDER).IsItemEnabled(IDC_ORDER_ONE_ROUND));
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

TEST_F(BasicPagesTest, AHiddenPositionAndOutOfRangeValuesAreStoredAsTheRulesSay) {
    Start(FolderLine() +
          "[Rect_Type]=5\r\n[Rect_Fit]=7\r\n[Start_Exec_Type]=7\r\n[Start_Exit_Type]=1\r\n[Turn_Type]=7\r\n");
    ShowPage("表示位置", IDD_DISPLAY_POSITION);
    const RemoteWindow position = Page(IDD_DISPLAY_POSITION);
    for (int id = IDC_POSITION_CENTRE; id <= IDC_POSITION_AUTO_STRETCH; ++id) {
        EXPECT_FALSE(position.IsChecked(id)) << id;
    }
    EXPECT_FALSE(position.IsItemVisible(IDC_POSITION_KEEP_ASPECT));
    EXPECT_TRUE(position.IsChecked(IDC_POSITION_FIT));
    ShowPage("起動", IDD_STARTUP);
    EXPECT_FALSE(Page(IDD_STARTUP).IsChecked(IDC_START_CHANGE_WALLPAPER));
    EXPECT_TRUE(Page(IDD_STARTUP).IsChecked(IDC_START_EXIT_AT_ONCE));
    SaveWithOk();
    EXPECT_TRUE(FileHasLine(folder, "[Rect_Type]=5"));
    EXPECT_TRUE(FileHasLine(folder, "[Rect_Fit]=1"));
    EXPECT_TRUE(FileHasLine(folder, "[Start_Exec_Type]=0"));
    EXPECT_TRUE(FileHasLine(folder, "[Start_Exit_Type]=1"));
    EXPECT_TRUE(FileHasLine(folder, "[Turn_Type]=-1")) << "a group with no button checked reads -1";
}

TEST_F(BasicPagesTest, AWallpaperPathNamingAFilePassesValidation) {
    Start(FolderLine());
    const std::string file = WideToUtf8(folder.PathOf("Pelavine.sys"));
    Page(IDD_WALLPAPER_FOLDER).SetItemText(IDC_FOLDER_PATH, file);
    Page(IDD_WALLPAPER_FOLDER).Click(IDC_FOLDER_SUBFOLDERS);
    SaveWithOk();
    EXPECT_TRUE(FileHasLine(folder, "[Wall_Dir_Path]=" + file));
    EXPECT_TRUE(FileHasLine(folder, "[Wall_Dir_Saike_Use]=1"));
}

TEST_F(BasicPagesTest, AFolderTheSettingsFileCannotHoldIsRefusedWithAClearMessage) {
    Start(FolderLine());
    folder.MakeFolder("Ảnh");
    Page(IDD_WALLPAPER_FOLDER).SetItemText(IDC_FOLDER_PATH, WideToUtf8(folder.PathOf("Ảnh")));
    window->Click(IDC_APPLY);
    EXPECT_TRUE(pelaconf->Answer("壁紙フォルダパスに設定ファイルへ保存できない文字が含まれています。\n"
                                 "Shift-JISで表せる文字だけのフォルダを指定して下さい。",
                                 IDOK));
    EXPECT_TRUE(WaitUntil([&] { return Page(IDD_WALLPAPER_FOLDER).IsVisible(); }));
    EXPECT_EQ(folder.Read("Pelavine.ini"), written);
    EXPECT_TRUE(folder.PelavineStarts().empty());
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

TEST_F(BasicPagesTest, TheHelpTextsAreShown) {
    Start(FolderLine());
    EXPECT_EQ(
        Page(IDD_STARTUP).ItemText(IDC_HELP_TEXT).rfind("本アプリケーションの起動時に行う処理を設定します。\n", 0), 0u);
    EXPECT_EQ(Page(IDD_BASIC_OVERVIEW).ItemText(IDC_LINK_DESCRIPTION_4), "壁紙の表示位置を設定します。\n");
    EXPECT_EQ(Page(IDD_DETAIL_OVERVIEW).ItemText(IDC_LINK_5), "その他");
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

} // namespace
} // namespace pelaconf::driver
