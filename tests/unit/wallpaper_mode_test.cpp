#include "app/wallpaper_mode.h"
#include "fake_file_system.h"
#include "fake_plugin_probe.h"
#include "fake_registry.h"
#include "fake_services.h"
#include "settings/settings_record.h"

#include <gtest/gtest.h>

namespace pelaconf {
namespace {

struct FakeApplier : WallpaperApplier {
    int result = 0;
    std::vector<std::string> applied;
    int ApplyWallpaper(const std::string& path) override {
        applied.push_back(path);
        return result;
    }
};

class WallpaperMode : public ::testing::Test {
protected:
    WallpaperMode() : record_("C:\\p") { files_.folders.insert("C:\\p"); }
    void Run(const std::string& path) {
        RunWallpaperMode(path, record_, {files_, registry_, probe_, applier_, messages_});
    }
    void SetSusieFolderInRegistry(const std::string& folder) {
        registry_.texts[{"Software\\Halvecor\\Susie\\Plug-in", "Path"}] = folder;
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& [text, kind] : messages_.shown) {
            EXPECT_EQ(kind, MessageKind::Error);
            texts.push_back(text);
        }
        return texts;
    }

    SettingsRecord record_;
    testing::FakeFileSystem files_;
    testing::FakeRegistry registry_;
    testing::FakePluginProbe probe_;
    FakeApplier applier_;
    testing::FakeMessageBoxes messages_;
};

TEST_F(WallpaperMode, AKnownTypeIsAppliedWithoutAScan) {
    Run("C:\\pics\\A.JPG");
    EXPECT_EQ(applier_.applied, std::vector<std::string>{"C:\\pics\\A.JPG"});
    EXPECT_TRUE(probe_.probed.empty());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(WallpaperMode, APluginCopiedInSinceTheLastScanIsFoundWhenSusieIsOn) {
    files_.listings["C:\\p\\*.spi"] = {{"pnm.spi", false}};
    probe_.filters["C:\\p\\pnm.spi"] = "*.pnm";
    record_.Susie_Use = 1;
    Run("C:\\pics\\a.pnm");
    EXPECT_EQ(applier_.applied.size(), 1u);
    EXPECT_EQ(record_.pluginPriorityList, std::vector<std::string>{"pnm.00.C:\\p\\pnm.spi"});
}

TEST_F(WallpaperMode, WithoutSusieThePluginDoesNotHelp) {
    files_.listings["C:\\p\\*.spi"] = {{"pnm.spi", false}};
    probe_.filters["C:\\p\\pnm.spi"] = "*.pnm";
    Run("C:\\pics\\a.pnm");
    EXPECT_TRUE(applier_.applied.empty());
    EXPECT_EQ(Messages(), std::vector<std::string>{"対応した画像ファイルではありません。"});
}

TEST_F(WallpaperMode, AnEmptySusieFolderIsTakenFromTheRegistryBeforeTheScan) {
    record_.Susie_Dir_Path = "";
    SetSusieFolderInRegistry("D:\\Susie");
    Run("C:\\pics\\noextension");
    EXPECT_EQ(record_.Susie_Dir_Path, "D:\\Susie");
    EXPECT_EQ(Messages(), std::vector<std::string>{"対応した画像ファイルではありません。"});

    record_.Susie_Dir_Path = "Empty";
    SetSusieFolderInRegistry("E:\\Other");
    Run("C:\\pics\\noextension");
    EXPECT_EQ(record_.Susie_Dir_Path, "Empty") << "a set folder is kept";
}

TEST_F(WallpaperMode, EachFailureHasItsMessageAndOtherResultsNone) {
    const std::pair<int, const char*> cases[] = {{-1, "画像ファイルが存在しません。"},
                                                 {-2, "Susieプラグインのロードに失敗しました。"},
                                                 {-3, "画像ファイルの保存に失敗しました。"},
                                                 {-9, nullptr},
                                                 {1, nullptr},
                                                 {0, nullptr}};
    for (const auto& [result, message] : cases) {
        messages_.shown.clear();
        applier_.result = result;
        Run("C:\\pics\\a.png");
        EXPECT_EQ(Messages(), message ? std::vector<std::string>{message} : std::vector<std::string>{}) << result;
    }
}

} // namespace
} // namespace pelaconf
