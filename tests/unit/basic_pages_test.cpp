#include "pages/overview_pages.h"
#include "fake_file_system.h"
#include "pages/display_order_page.h"
#include "pages/display_position_page.h"
#include "pages/startup_page.h"
#include "pages/wallpaper_folder_page.h"
#include "settings/settings_record.h"

#include <gtest/gtest.h>

#include <vector>

namespace pelaconf {
namespace {

using testing::FakeFileSystem;

TEST(WallpaperFolderModel, AnExistingFileOrFolderPassesAndAnythingElseIsRefused) {
    FakeFileSystem files;
    files.folders.insert("C:\\Pictures");
    files.files["C:\\Pictures\\a.jpg"] = "";
    WallpaperFolderModel model;
    for (const char* path : {"C:\\Pictures", "C:\\Pictures\\a.jpg"}) {
        model.path = path;
        EXPECT_EQ(model.Validate(files), FolderCheck::Valid) << path;
    }
    for (const char* path : {"", "C:\\Missing"}) {
        model.path = path;
        EXPECT_EQ(model.Validate(files), FolderCheck::Missing) << path;
    }
}

TEST(WallpaperFolderModel, AFolderShiftJisCannotHoldIsRefusedRatherThanSavedDamaged) {
    FakeFileSystem files;
    const std::string folder = "C:\\Ảnh 한국"; // exists, but code page 932 cannot hold it
    files.folders.insert(folder);
    WallpaperFolderModel model;
    model.path = folder;
    EXPECT_EQ(model.Validate(files), FolderCheck::NotStorable);
}

TEST(WallpaperFolderModel, TheFolderBrowserReplacesThePathUnlessOnlyTheCaseDiffers) {
    WallpaperFolderModel model;
    model.path = "C:\\Pictures\\表";
    EXPECT_FALSE(model.ChooseFolder("c:\\PICTURES\\表"));
    EXPECT_EQ(model.path, "C:\\Pictures\\表");
    EXPECT_TRUE(model.ChooseFolder("D:\\Walls"));
    EXPECT_EQ(model.path, "D:\\Walls");
}

TEST(WallpaperFolderModel, LoadsAndStoresBothKeys) {
    SettingsRecord record("C:\\Pelavine");
    record.Wall_Dir_Path = "D:\\Walls";
    record.Wall_Dir_Saike_Use = 1;
    WallpaperFolderModel model;
    model.Load(record);
    model.path = "E:\\";
    SettingsRecord stored("C:\\Pelavine");
    model.Store(stored);
    EXPECT_EQ(stored.Wall_Dir_Path, "E:\\");
    EXPECT_EQ(stored.Wall_Dir_Saike_Use, 1);
}

TEST(DisplayOrderModel, RandomWithOneRoundIsTurnTypeThreeAndOtherOrdersClearTheRound) {
    SettingsRecord record("C:\\Pelavine");
    record.Turn_Type = 3;
    DisplayOrderModel model;
    model.Load(record);
    EXPECT_EQ(model.order, kOrderRandom);
    EXPECT_EQ(model.oneRound, 1);
    EXPECT_TRUE(model.OneRoundEnabled());
    EXPECT_FALSE(model.ChooseOrder(kOrderRandom)) << "the same order is no change";
    EXPECT_TRUE(model.ChooseOrder(kOrderAscending));
    EXPECT_EQ(model.oneRound, 0);
    EXPECT_FALSE(model.OneRoundEnabled());
    model.Store(record);
    EXPECT_EQ(record.Turn_Type, 0);

    for (int turnType : {0, 1, 2, 7}) {
        record.Turn_Type = turnType;
        model.Load(record);
        EXPECT_EQ(model.oneRound, 0);
        SettingsRecord stored("C:\\Pelavine");
        model.Store(stored);
        EXPECT_EQ(stored.Turn_Type, turnType) << "values are carried through unchanged";
    }
}

TEST(DisplayPositionModel, FitIsStoredAsZeroOrOneAndThePositionAsLoaded) {
    SettingsRecord record("C:\\Pelavine");
    record.Rect_Type = 5;
    record.Rect_Fit = 7;
    DisplayPositionModel model;
    EXPECT_EQ(model.position, -1);
    model.Load(record);
    model.Store(record);
    EXPECT_EQ(record.Rect_Type, 5);
    EXPECT_EQ(record.Rect_Fit, 1);
}

TEST(HelpTexts, EachPageTextEndsWithItsLastLine) {
    EXPECT_TRUE(StartupHelpText().ends_with("\n　適用されません。\n"));
    EXPECT_TRUE(DisplayOrderHelpText().starts_with("起動時の壁紙変更や、"));
    EXPECT_NE(DisplayPositionHelpText().find("\n　　　　　　　　変えずに"), std::string_view::npos);
    EXPECT_TRUE(WallpaperFolderHelpText().ends_with("画像ファイルを壁紙変更の対象とします。\n"));
}

TEST(OverviewPages, EachLinkSelectsTheCategoryOfItsRowInTheGroup) {
    const std::vector<std::vector<int>> targets{{103, 105, 106, 107}, {109, 110, 111, 112}, {115, 117, 118, 152, 155}};
    const int groups[] = {101, 108, 113};
    for (int g = 0; g < 3; ++g) {
        const OverviewPageContent* page = FindOverviewPage(groups[g]);
        ASSERT_NE(page, nullptr);
        std::vector<int> selected;
        for (const auto& link : page->links) {
            selected.push_back(link.targetTemplateId);
        }
        EXPECT_EQ(selected, targets[g]) << groups[g];
    }
    EXPECT_EQ(FindOverviewPage(113)->links.back().buttonId, 1015);
    EXPECT_EQ(FindOverviewPage(103), nullptr);
}

} // namespace
} // namespace pelaconf
