#include "desktop/apply_wallpaper.h"
#include "desktop/wallpaper_style.h"
#include "fake_file_system.h"
#include "fake_registry.h"
#include "settings/settings_record.h"

#include <gtest/gtest.h>

namespace pelaconf {
namespace {

// An image work object whose loaders "decode" to a size set by the test.
struct FakeImage : WallpaperImage {
    std::optional<Size> decodedSize{Size{800, 600}};
    std::optional<Size> held;
    bool saveSucceeds = true;
    std::vector<std::pair<std::string, int>> saves;

    int Load() {
        held = decodedSize;
        return held ? 1 : 0;
    }
    int LoadPlugin(const std::string&) override { return 0; }
    int FreePlugin() override { return 0; }
    int LoadViaPlugin(const std::string&, int) override { return 0; }
    int LoadBmp(const std::string&) override { return Load(); }
    int LoadJpeg(const std::string&) override { return Load(); }
    int LoadGif(const std::string&) override { return Load(); }
    int LoadPng(const std::string&) override { return Load(); }
    std::optional<Size> HeldImageSize() const override { return held; }
    int SaveBitmap(const std::string& path, int fitMode) override {
        saves.emplace_back(path, fitMode);
        held.reset();
        return saveSucceeds ? 1 : 0;
    }
};

struct FakeDesktop : Desktop {
    std::vector<std::string> wallpapers;
    Size ScreenSize() const override { return {1024, 768}; }
    void SetWallpaperBitmap(const std::string& path) override { wallpapers.push_back(path); }
};

class ApplyWallpaperTest : public ::testing::Test {
protected:
    ApplyWallpaperTest() : record_("C:\\p") { files_.files["C:\\pics\\a.jpg"] = ""; }
    int Apply(const std::string& path = "C:\\pics\\a.jpg") {
        return ApplyWallpaper(record_, path, {files_, image_, registry_, desktop_});
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
    testing::FakeFileSystem files_;
    FakeImage image_;
    testing::FakeRegistry registry_;
    FakeDesktop desktop_;
};

TEST_F(ApplyWallpaperTest, AFittedStretchKeepsTheProportions) {
    record_.Rect_Type = 2;
    record_.Rect_Fit = 1;
    image_.decodedSize = Size{1920, 1080};
    EXPECT_EQ(Apply(), kApplied);
    EXPECT_EQ(registry_.written, StyleValues("0", "0")) << "other proportions are centred";
    EXPECT_EQ(image_.saves.back(), std::make_pair(std::string("C:\\p\\Wallpaper.bmp"), int{kFitToScreen}));
    EXPECT_EQ(desktop_.wallpapers, std::vector<std::string>{"C:\\p\\Wallpaper.bmp"});

    image_.decodedSize = Size{800, 600};
    EXPECT_EQ(Apply(), kApplied);
    EXPECT_EQ(registry_.written, StyleValues("0", "2"));
    EXPECT_EQ(image_.saves.back().second, kFitShrinkOnly);
    EXPECT_EQ(record_.applyInProgress, 0);
}

TEST_F(ApplyWallpaperTest, CentredWithFittingShrinksOnly) {
    record_.Rect_Type = 0;
    record_.Rect_Fit = 1;
    EXPECT_EQ(Apply(), kApplied);
    EXPECT_EQ(registry_.written, StyleValues("0", "0"));
    EXPECT_EQ(image_.saves.back().second, kFitShrinkOnly);
    record_.Rect_Type = 1;
    record_.Rect_Fit = 7;
    EXPECT_EQ(Apply(), kApplied);
    EXPECT_EQ(registry_.written, StyleValues("1", "0"));
    EXPECT_EQ(image_.saves.back().second, kFitKeepSize);
}

TEST_F(ApplyWallpaperTest, RefusalsTouchNothing) {
    record_.applyInProgress = 1;
    EXPECT_EQ(Apply(), kApplyBusy);
    record_.applyInProgress = 0;
    EXPECT_EQ(Apply("C:\\pics\\missing.jpg"), kApplyNoFile);
    files_.files["C:\\pics\\noextension"] = "";
    EXPECT_EQ(Apply("C:\\pics\\noextension"), kApplyFailed);
    files_.files["C:\\my.dir\\photo"] = "";
    EXPECT_EQ(Apply("C:\\my.dir\\photo"), kApplyNoLoader);
    files_.files["C:\\pics\\a.tif"] = "";
    EXPECT_EQ(Apply("C:\\pics\\a.tif"), kApplyNoLoader);
    EXPECT_TRUE(registry_.written.empty());
    EXPECT_TRUE(image_.saves.empty());
    EXPECT_TRUE(desktop_.wallpapers.empty());
    EXPECT_EQ(record_.applyInProgress, 0);
}

TEST_F(ApplyWallpaperTest, AFailedDecodeOrSaveNeverSetsTheWallpaper) {
    image_.decodedSize.reset();
    EXPECT_EQ(Apply(), kApplyFailed);
    EXPECT_TRUE(registry_.written.empty()) << "the registry changes only after a decode";
    image_.decodedSize = Size{800, 600};
    image_.saveSucceeds = false;
    EXPECT_EQ(Apply(), kApplyFailed);
    EXPECT_TRUE(desktop_.wallpapers.empty());
}

TEST_F(ApplyWallpaperTest, ARegistryFailureStopsBeforeSaving) {
    registry_.writable = false;
    EXPECT_EQ(Apply(), kApplyRegistryFailed);
    EXPECT_TRUE(image_.saves.empty());
    EXPECT_TRUE(desktop_.wallpapers.empty());
}

} // namespace
} // namespace pelaconf
