#include "app/wallpaper_mode.h"
#include "fake_desktop.h"
#include "fake_file_system.h"
#include "fake_plugin_probe.h"
#include "fake_registry.h"
#include "fake_wallpaper_image.h"
#include "settings/settings_record.h"
#include "plugin_entry_texts.h"

#include <gtest/gtest.h>

namespace pelaconf {
namespace {

using Paths = std::vector<std::string>;

constexpr char kWallpaperBitmap[] = "C:\\p\\Wallpaper.bmp";

class WallpaperMode : public ::testing::Test {
protected:
    WallpaperMode() : record_("C:\\p") { files_.folders.insert("C:\\p"); }
    void Run(const std::string& path) {
        result_ = RunWallpaperMode(path, record_, {{files_, image_, registry_, desktop_, applyInProgress_}, probe_});
    }
    bool Refused(ImageTypeCheck check) const { return result_.typeCheck == check; }
    bool AppliedWith(ApplyResult applyResult) const {
        return result_.typeCheck == ImageTypeCheck::Supported && result_.report.result == applyResult;
    }
    void AddImage(const std::string& path) { files_.files[path] = ""; }
    void SetSusieFolderInRegistry(const std::string& folder) {
        registry_.texts[{"Software\\Halvecor\\Susie\\Plug-in", "Path"}] = folder;
    }
    SettingsRecord record_;
    bool applyInProgress_ = false;
    testing::FakeFileSystem files_;
    testing::FakeWallpaperImage image_;
    testing::FakeRegistry registry_;
    testing::FakeDesktop desktop_;
    testing::FakePluginProbe probe_;
    WallpaperModeResult result_;
};

TEST_F(WallpaperMode, AKnownTypeIsAppliedWithoutAScan) {
    AddImage("C:\\pics\\A.JPG");
    Run("C:\\pics\\A.JPG");
    EXPECT_EQ(image_.loaded, Paths{"C:\\pics\\A.JPG"});
    EXPECT_EQ(desktop_.wallpapers, Paths{kWallpaperBitmap});
    EXPECT_TRUE(probe_.probed.empty());
    EXPECT_TRUE(AppliedWith(ApplyResult::Applied));
}

TEST_F(WallpaperMode, APluginCopiedInSinceTheLastScanIsFoundWhenSusieIsOn) {
    files_.listings["C:\\p\\*.spi"] = {{"pnm.spi", false}};
    probe_.filters["C:\\p\\pnm.spi"] = "*.pnm";
    image_.plugins.insert("C:\\p\\pnm.spi");
    AddImage("C:\\pics\\a.pnm");
    record_.Susie_Use = 1;
    Run("C:\\pics\\a.pnm");
    EXPECT_EQ(image_.loaded, Paths{"C:\\pics\\a.pnm"});
    EXPECT_EQ(desktop_.wallpapers, Paths{kWallpaperBitmap});
    EXPECT_EQ(testing::EntryTexts(record_.pluginPriorityList), Paths{"pnm.00.C:\\p\\pnm.spi"});
    EXPECT_TRUE(AppliedWith(ApplyResult::Applied));
}

TEST_F(WallpaperMode, WithoutSusieThePluginDoesNotHelp) {
    files_.listings["C:\\p\\*.spi"] = {{"pnm.spi", false}};
    probe_.filters["C:\\p\\pnm.spi"] = "*.pnm";
    image_.plugins.insert("C:\\p\\pnm.spi");
    AddImage("C:\\pics\\a.pnm");
    Run("C:\\pics\\a.pnm");
    EXPECT_TRUE(image_.loaded.empty());
    EXPECT_TRUE(desktop_.wallpapers.empty());
    EXPECT_TRUE(Refused(ImageTypeCheck::Unsupported));
}

TEST_F(WallpaperMode, AnEmptySusieFolderIsTakenFromTheRegistryBeforeTheScan) {
    record_.Susie_Dir_Path = "";
    SetSusieFolderInRegistry("D:\\Susie");
    Run("C:\\pics\\noextension");
    EXPECT_EQ(record_.Susie_Dir_Path, "D:\\Susie");
    EXPECT_TRUE(Refused(ImageTypeCheck::Unsupported));

    record_.Susie_Dir_Path = "Empty";
    SetSusieFolderInRegistry("E:\\Other");
    Run("C:\\pics\\noextension");
    EXPECT_EQ(record_.Susie_Dir_Path, "Empty") << "a set folder is kept";
}

TEST_F(WallpaperMode, AHostThatCannotStartIsNamedInsteadOfAPluginFailure) {
    record_.Susie_Use = 1;
    record_.pluginPriorityList = {ParsePluginEntry("pnm.00.C:\\p\\pnm.spi")};
    AddImage("C:\\pics\\a.pnm");
    image_.hostNotStarted = "PelaconfPluginHost32.exe";
    Run("C:\\pics\\a.pnm");
    EXPECT_TRUE(desktop_.wallpapers.empty());
    EXPECT_TRUE(AppliedWith(ApplyResult::HostNotStarted));
    EXPECT_EQ(result_.report.hostNotStarted, "PelaconfPluginHost32.exe");
}

TEST_F(WallpaperMode, ARescanWhoseHostCannotStartIsNamedInsteadOfAnUnknownType) {
    record_.Susie_Use = 1;
    files_.listings["C:\\p\\*.spi"] = {{"pnm.spi", false}};
    probe_.hostNotStarted = "PelaconfPluginHost64.exe";
    AddImage("C:\\pics\\a.pnm");
    Run("C:\\pics\\a.pnm");
    EXPECT_TRUE(image_.loaded.empty());
    EXPECT_TRUE(Refused(ImageTypeCheck::HostNotStarted));
    EXPECT_EQ(result_.hostNotStarted, "PelaconfPluginHost64.exe");
}

TEST_F(WallpaperMode, AMissingFileIsReported) {
    Run("C:\\pics\\a.png");
    EXPECT_TRUE(image_.loaded.empty());
    EXPECT_TRUE(AppliedWith(ApplyResult::NoFile));
}

TEST_F(WallpaperMode, AnExtensionWithoutAFirstPluginIsReportedAsALoadFailure) {
    record_.Susie_Use = 1;
    record_.pluginPriorityList = {ParsePluginEntry("pnm.01.C:\\p\\pnm.spi")};
    AddImage("C:\\pics\\a.pnm");
    Run("C:\\pics\\a.pnm");
    EXPECT_TRUE(probe_.probed.empty()) << "the extension is known, so nothing is scanned";
    EXPECT_TRUE(desktop_.wallpapers.empty());
    EXPECT_TRUE(AppliedWith(ApplyResult::NoLoader));
}

TEST_F(WallpaperMode, AFailedDecodeOrSaveIsReportedAsASaveFailure) {
    AddImage("C:\\pics\\a.png");
    image_.decodedSize.reset();
    Run("C:\\pics\\a.png");
    EXPECT_TRUE(AppliedWith(ApplyResult::Failed));

    image_.decodedSize = Size{800, 600};
    image_.saveSucceeds = false;
    Run("C:\\pics\\a.png");
    EXPECT_TRUE(AppliedWith(ApplyResult::Failed));
    EXPECT_TRUE(desktop_.wallpapers.empty());
}

TEST_F(WallpaperMode, ARegistryFailureIsReportedABusyApplicationAndSuccessShowNothing) {
    AddImage("C:\\pics\\a.png");
    registry_.writable = false;
    Run("C:\\pics\\a.png");
    EXPECT_TRUE(image_.saves.empty()) << "the registry failed";
    EXPECT_TRUE(AppliedWith(ApplyResult::RegistryFailed));

    registry_.writable = true;
    applyInProgress_ = true;
    Run("C:\\pics\\a.png");
    EXPECT_EQ(image_.loaded.size(), 1u) << "busy: nothing more is decoded";
    EXPECT_TRUE(AppliedWith(ApplyResult::Busy));

    applyInProgress_ = false;
    Run("C:\\pics\\a.png");
    EXPECT_EQ(desktop_.wallpapers, Paths{kWallpaperBitmap});
    EXPECT_TRUE(AppliedWith(ApplyResult::Applied));
}

} // namespace
} // namespace pelaconf
