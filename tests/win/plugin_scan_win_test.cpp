// The plug-in scan over two real folders, validating our test plug-ins by loading them.
#include "platform/file_system_win.h"
#include "plugins/image_object_probe_win.h"
#include "plugins/plugin_catalogue.h"
#include "settings/settings_record.h"
#include "win/wide_text.h"

#include "scratch_folder.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace pelaconf {
namespace {

std::wstring PluginPath(const char* name) { return Utf8ToWide(std::string(PELACONF_TEST_PLUGINS) + "\\" + name); }

// The module folder and Susie's folder side by side in a scratch folder.
class PluginScanWin : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(scratch_.IsMade()) << scratch_.Path();
        for (const auto& folder : {module_, susie_}) {
            ASSERT_TRUE(CreateDirectoryW(Utf8ToWide(folder).c_str(), nullptr)) << folder;
        }
    }
    void Copy(const char* plugin, const std::string& to) {
        ASSERT_TRUE(CopyFileW(PluginPath(plugin).c_str(), Utf8ToWide(to).c_str(), FALSE)) << to;
    }

    const ScratchFolder scratch_;
    const std::string module_ = scratch_.PathOf("module");
    const std::string susie_ = scratch_.PathOf("susie");
    Win32FileSystem files_;
    ImageObject image_;
};

TEST_F(PluginScanWin, TakesValidSpiFilesFromBothFoldersModuleFolderFirst) {
    Copy("pnm.spi", module_ + "\\pnm.spi");
    Copy("pnm.spi", susie_ + "\\PNM.spi");               // hidden by the module folder's file of that name
    Copy("pnm.spi", susie_ + "\\CAPS.SPI");              // capitals are still a plug-in
    Copy("pnm.spi", susie_ + "\\x.spi2");                // not a plug-in file name
    Copy("pnm_wrong_version.spi", susie_ + "\\old.spi"); // not an import filter
    SettingsRecord record(module_);
    record.Susie_Dir_Path = susie_;
    ImageObjectPluginProbe probe(image_);

    ASSERT_EQ(ScanPlugins(record, files_, probe), "");
    EXPECT_EQ(ExtensionList(record.pluginPriorityList), (std::vector<std::string>{"pbm", "pgm", "pnm", "ppm"}));
    std::vector<std::string> ppm;
    for (const auto& entry : record.pluginPriorityList) {
        if (entry.extension == "ppm") {
            ppm.push_back(FormatPluginEntry(entry));
        }
    }
    EXPECT_EQ(ppm, (std::vector<std::string>{"ppm.00." + module_ + "\\pnm.spi", "ppm.01." + susie_ + "\\CAPS.SPI"}));
    EXPECT_EQ(record.pluginPriorityList.size(), 8u);
    image_.FreePlugin();
}

} // namespace
} // namespace pelaconf
