#include "desktop/apply_wallpaper.h"
#include "desktop/wallpaper_style.h"
#include "fake_desktop.h"
#include "fake_file_system.h"
#include "fake_registry.h"
#include "fake_wallpaper_image.h"
#include "settings/settings_record.h"

#include <gtest/gtest.h>

namespace pelaconf {
namespace {

class ApplyWallpaperTest : public ::testing::Test {
protected:
    ApplyWallpaperTest() : record_("C:\\p") { files_.files["C:\\pics\\a.jpg"] = ""; }
    ApplyResult Apply(const std::string& path = "C:\\pics\\a.jpg") {
        return ApplyWallpaper(record_, path, {files_, image_, registry_, desktop_, applyInProgress_}).result;
    }
    // Every registry value applying writes is the desktop's.
    void TearDown() override {
        for (const std::string& key : registry_.writeKeys) {
            EXPECT_EQ(key, "Control Panel\\desktop");
        }
    }
    using Values = testing::FakeRegistry::Values;
    static Values StyleValues(const char* tile, const char* style) {
        return {{"TileWallpaper", tile}, {"WallpaperStyle", style}};
    }

    SettingsRecord record_;
    bool applyInProgress_ = false;
    testing::FakeFileSystem files_;
    testing::FakeWallpaperImage image_;
    testing::FakeRegistry registry_;
    testing::FakeDesktop desktop_;
};

TEST_F(ApplyWallpaperTest, AFittedStretchKeepsTheProportions) {
    record_.Rect_Type = 2;
    record_.Rect_Fit = 1;
    image_.decodedSize = Size{1920, 1080};
    EXPECT_EQ(Apply(), ApplyResult::Applied);
    EXPECT_EQ(registry_.written, StyleValues("0", "0")) << "other proportions are centred";
    EXPECT_EQ(image_.saves.back(), std::make_pair(std::string("C:\\p\\Wallpaper.bmp"), int{kFitToScreen}));
    EXPECT_EQ(desktop_.wallpapers, std::vector<std::string>{"C:\\p\\Wallpaper.bmp"});

    image_.decodedSize = Size{800, 600};
    EXPECT_EQ(Apply(), ApplyResult::Applied);
    EXPECT_EQ(registry_.written, StyleValues("0", "2"));
    EXPECT_EQ(image_.saves.back().second, kFitShrinkOnly);
    EXPECT_FALSE(applyInProgress_);
}

// The decoder is told the size the save will make, so that it can decode straight to it.
TEST_F(ApplyWallpaperTest, TheLoaderIsToldTheSizeTheImageWillBeSavedAt) {
    record_.Rect_Type = 2;
    record_.Rect_Fit = 1;
    image_.decodedSize = Size{1920, 1080};
    EXPECT_EQ(Apply(), ApplyResult::Applied);
    image_.decodedSize = Size{800, 600};
    EXPECT_EQ(Apply(), ApplyResult::Applied);
    record_.Rect_Type = 0;
    image_.decodedSize = Size{1600, 1200};
    EXPECT_EQ(Apply(), ApplyResult::Applied);
    EXPECT_EQ(image_.fittedSizes,
              (std::vector<std::optional<Size>>{Size{1024, 575}, Size{800, 600}, Size{1024, 768}}));
}

TEST_F(ApplyWallpaperTest, CentredWithFittingShrinksOnly) {
    record_.Rect_Type = 0;
    record_.Rect_Fit = 1;
    EXPECT_EQ(Apply(), ApplyResult::Applied);
    EXPECT_EQ(registry_.written, StyleValues("0", "0"));
    EXPECT_EQ(image_.saves.back().second, kFitShrinkOnly);
    record_.Rect_Type = 1;
    record_.Rect_Fit = 7;
    EXPECT_EQ(Apply(), ApplyResult::Applied);
    EXPECT_EQ(registry_.written, StyleValues("1", "0"));
    EXPECT_EQ(image_.saves.back().second, kFitKeepSize);
}

TEST_F(ApplyWallpaperTest, RefusalsTouchNothing) {
    applyInProgress_ = true;
    EXPECT_EQ(Apply(), ApplyResult::Busy);
    applyInProgress_ = false;
    EXPECT_EQ(Apply("C:\\pics\\missing.jpg"), ApplyResult::NoFile);
    files_.files["C:\\pics\\noextension"] = "";
    EXPECT_EQ(Apply("C:\\pics\\noextension"), ApplyResult::Failed);
    files_.files["C:\\my.dir\\photo"] = "";
    EXPECT_EQ(Apply("C:\\my.dir\\photo"), ApplyResult::NoLoader);
    files_.files["C:\\pics\\a.tif"] = "";
    EXPECT_EQ(Apply("C:\\pics\\a.tif"), ApplyResult::NoLoader);
    EXPECT_TRUE(registry_.written.empty());
    EXPECT_TRUE(image_.saves.empty());
    EXPECT_TRUE(desktop_.wallpapers.empty());
    EXPECT_FALSE(applyInProgress_);
}

TEST_F(ApplyWallpaperTest, AFailedDecodeOrSaveNeverSetsTheWallpaper) {
    image_.decodedSize.reset();
    EXPECT_EQ(Apply(), ApplyResult::Failed);
    EXPECT_TRUE(registry_.written.empty()) << "the registry changes only after a decode";
    image_.decodedSize = Size{800, 600};
    image_.saveSucceeds = false;
    EXPECT_EQ(Apply(), ApplyResult::Failed);
    EXPECT_TRUE(desktop_.wallpapers.empty());
}

TEST_F(ApplyWallpaperTest, AWallpaperTheSystemRefusesIsReportedAsAFailure) {
    desktop_.refuseWallpaper = true;
    EXPECT_EQ(Apply(), ApplyResult::Failed);
    EXPECT_STREQ(ApplyResultMessage(ApplyResult::Failed), "画像ファイルの保存に失敗しました。");
    EXPECT_FALSE(applyInProgress_);
}

TEST_F(ApplyWallpaperTest, ARegistryFailureStopsBeforeSaving) {
    registry_.writable = false;
    EXPECT_EQ(Apply(), ApplyResult::RegistryFailed);
    EXPECT_TRUE(image_.saves.empty());
    EXPECT_TRUE(desktop_.wallpapers.empty());
}

TEST_F(ApplyWallpaperTest, AHostThatCannotStartChangesNothingAndIsNamed) {
    record_.Susie_Use = 1;
    record_.pluginPriorityList = {ParsePluginEntry("jpg.00.C:\\p\\a.spi")};
    image_.hostNotStarted = "PelaconfPluginHost64.exe";
    const ApplyReport report =
        ApplyWallpaper(record_, "C:\\pics\\a.jpg", {files_, image_, registry_, desktop_, applyInProgress_});
    EXPECT_EQ(report.result, ApplyResult::HostNotStarted);
    EXPECT_EQ(ApplyReportMessage(report), "Susieプラグインを使うためのプログラム（PelaconfPluginHost64.exe）を起動できませんでした。\n"
                                          "Pelaconfと同じフォルダにあるか確認してください。");
    EXPECT_TRUE(image_.loaded.empty()) << "the library does not decode in the plug-in's place";
    EXPECT_TRUE(registry_.written.empty());
    EXPECT_TRUE(desktop_.wallpapers.empty());
    EXPECT_FALSE(applyInProgress_);
}

TEST(ApplyResultTest, ResultsKeepTheirNumbers) {
    EXPECT_EQ(static_cast<int>(ApplyResult::Applied), 0);
    EXPECT_EQ(static_cast<int>(ApplyResult::Busy), 1);
    EXPECT_EQ(static_cast<int>(ApplyResult::NoFile), -1);
    EXPECT_EQ(static_cast<int>(ApplyResult::NoLoader), -2);
    EXPECT_EQ(static_cast<int>(ApplyResult::Failed), -3);
    EXPECT_EQ(static_cast<int>(ApplyResult::RegistryFailed), -9);
}

TEST(ApplyResultTest, EveryFailureHasAMessage) {
    EXPECT_STREQ(ApplyResultMessage(ApplyResult::NoFile), "画像ファイルが存在しません。");
    EXPECT_STREQ(ApplyResultMessage(ApplyResult::NoLoader), "Susieプラグインのロードに失敗しました。");
    EXPECT_STREQ(ApplyResultMessage(ApplyResult::Failed), "画像ファイルの保存に失敗しました。");
    EXPECT_EQ(ApplyResultMessage(ApplyResult::Applied), nullptr);
    EXPECT_EQ(ApplyResultMessage(ApplyResult::Busy), nullptr);
    EXPECT_STREQ(ApplyResultMessage(ApplyResult::RegistryFailed), "壁紙の表示方法をレジストリに書き込めませんでした。");
    EXPECT_EQ(ApplyReportMessage({ApplyResult::Failed}), "画像ファイルの保存に失敗しました。");
    EXPECT_EQ(ApplyReportMessage({ApplyResult::Busy}), std::nullopt);
}

} // namespace
} // namespace pelaconf
