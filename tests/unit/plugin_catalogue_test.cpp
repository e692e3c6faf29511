#include "plugins/plugin_catalogue.h"
#include "fake_file_system.h"
#include "fake_plugin_probe.h"
#include "fake_registry.h"
#include "settings/settings_record.h"
#include "plugin_entry_texts.h"

#include <gtest/gtest.h>

namespace pelaconf {
namespace {

using Entries = std::vector<std::string>;

constexpr char kModule[] = "C:\\Pelavine";
constexpr char kSusie[] = "D:\\Susie";

class PluginScan : public ::testing::Test {
protected:
    PluginScan() : record_(kModule) {
        record_.Susie_Dir_Path = kSusie;
        files_.folders = {kModule, kSusie};
    }

    // A valid plug-in file in a folder, decoding the filter's extensions.
    void AddPlugin(const std::string& folder, const std::string& name, const std::string& filter) {
        files_.listings[folder + "\\*.spi"].push_back({name, false});
        probe_.filters[folder + "\\" + name] = filter;
    }
    Entries Scan() {
        EXPECT_EQ(ScanPlugins(record_, files_, probe_), "");
        return testing::EntryTexts(record_.pluginPriorityList);
    }

    SettingsRecord record_;
    testing::FakeFileSystem files_;
    testing::FakePluginProbe probe_;
};

TEST_F(PluginScan, KnownPrioritiesComeFirstAndTheNumberingClosesUp) {
    AddPlugin(kModule, "c.spi", "*.jpg");
    AddPlugin(kSusie, "a.spi", "*.jpg");
    AddPlugin(kSusie, "b.spi", "*.jpg");
    record_.pluginPriorityList = testing::ParsedEntries({"jpg.03.D:\\Susie\\a.spi", "jpg.01.D:\\SUSIE\\B.SPI"});
    EXPECT_EQ(Scan(), (Entries{"jpg.00.D:\\Susie\\b.spi", "jpg.01.D:\\Susie\\a.spi", "jpg.02.C:\\Pelavine\\c.spi"}));

    files_.listings[std::string(kSusie) + "\\*.spi"].pop_back(); // b.spi is gone
    EXPECT_EQ(Scan(), (Entries{"jpg.00.D:\\Susie\\a.spi", "jpg.01.C:\\Pelavine\\c.spi"}));
}

// Plug-ins that could not be asked are not plug-ins that failed: the catalogue stays whole.
TEST_F(PluginScan, AHostThatCannotStartLeavesBothListsAsTheyWere) {
    AddPlugin(kModule, "m.spi", "*.png");
    AddPlugin(kSusie, "s.spi", "*.jpg");
    record_.pluginPriorityList = testing::ParsedEntries({"gif.00.D:\\Susie\\old.spi", "jpg.00.D:\\Susie\\s.spi"});
    probe_.hostNotStarted = "PelaconfPluginHost32.exe";
    probe_.hostNotStartedFor = kSusie;
    EXPECT_EQ(ScanPlugins(record_, files_, probe_), "PelaconfPluginHost32.exe");
    EXPECT_EQ(testing::EntryTexts(record_.pluginPriorityList),
              (Entries{"gif.00.D:\\Susie\\old.spi", "jpg.00.D:\\Susie\\s.spi"}));
    EXPECT_EQ(ExtensionList(record_.pluginPriorityList), (Entries{"gif", "jpg"}));
}

TEST_F(PluginScan, NewPluginsFollowInFolderOrderModuleFolderFirst) {
    AddPlugin(kSusie, "s.spi", "*.png");
    AddPlugin(kModule, "m.spi", "*.png");
    EXPECT_EQ(Scan(), (Entries{"png.00.C:\\Pelavine\\m.spi", "png.01.D:\\Susie\\s.spi"}));
}

TEST_F(PluginScan, FiltersGiveLowerCaseExtensionsGroupedInSortedOrder) {
    AddPlugin(kModule, "pic.spi", "*.PIC;*.Pi");
    AddPlugin(kModule, "none.spi", "no dot at all");
    AddPlugin(kModule, "jpeg.spi", "*.jpg;*.jpeg");
    EXPECT_EQ(Scan(), (Entries{"jpeg.00.C:\\Pelavine\\jpeg.spi", "jpg.00.C:\\Pelavine\\jpeg.spi",
                               "pi.00.C:\\Pelavine\\pic.spi", "pic.00.C:\\Pelavine\\pic.spi"}));
    EXPECT_EQ(ExtensionList(record_.pluginPriorityList), (Entries{"jpeg", "jpg", "pi", "pic"}));
}

TEST_F(PluginScan, OnlySpiFilesAreCandidatesAndAModuleFolderFileHidesItsTwin) {
    AddPlugin(kModule, "twin.spi", "*.bmp");
    AddPlugin(kSusie, "TWIN.SPI", "*.gif");
    AddPlugin(kSusie, "CAPS.SPI", "*.tga");
    AddPlugin(kSusie, "x.spi2", "*.xyz");
    files_.listings[std::string(kSusie) + "\\*.spi"].push_back({"folder.spi", true});
    files_.listings[std::string(kSusie) + "\\*.spi"].push_back({"..", true});
    EXPECT_EQ(Scan(), (Entries{"bmp.00.C:\\Pelavine\\twin.spi", "tga.00.D:\\Susie\\CAPS.SPI"}));
    EXPECT_EQ(probe_.probed, (Entries{"C:\\Pelavine\\twin.spi", "D:\\Susie\\CAPS.SPI"}));
}

TEST_F(PluginScan, InvalidOrVanishedPluginsAndMissingFoldersLeaveNothing) {
    files_.listings[std::string(kModule) + "\\*.spi"].push_back({"broken.spi", false});
    record_.pluginPriorityList = testing::ParsedEntries({"jpg.00.C:\\Pelavine\\broken.spi", "gif.00.C:\\old.spi"});
    EXPECT_TRUE(Scan().empty());
    EXPECT_TRUE(ExtensionList(record_.pluginPriorityList).empty());

    files_.folders.clear();
    AddPlugin(kModule, "a.spi", "*.jpg");
    EXPECT_TRUE(Scan().empty()) << "a folder that does not exist is not listed";
}

TEST_F(PluginScan, AMalformedOldPriorityCarriesNothingOver) {
    AddPlugin(kModule, "a.spi", "*.jpg");
    AddPlugin(kModule, "b.spi", "*.jpg");
    // reads as priority 00, path "5.C:\..."
    record_.pluginPriorityList = testing::ParsedEntries({"jpg.5.C:\\Pelavine\\b.spi"});
    EXPECT_EQ(Scan(), (Entries{"jpg.00.C:\\Pelavine\\a.spi", "jpg.01.C:\\Pelavine\\b.spi"}));
}

TEST_F(PluginScan, AnUnreadableOrOutOfRangeOldPriorityLeavesThePluginAtTheEnd) {
    AddPlugin(kModule, "a.spi", "*.jpg");
    AddPlugin(kModule, "b.spi", "*.jpg");
    AddPlugin(kModule, "c.spi", "*.jpg");
    record_.pluginPriorityList = testing::ParsedEntries({"jpg.xy.C:\\Pelavine\\a.spi", "jpg.-1.C:\\Pelavine\\b.spi",
                                  "jpg.05.C:\\Pelavine\\c.spi"});
    EXPECT_EQ(Scan(), (Entries{"jpg.00.C:\\Pelavine\\c.spi", "jpg.01.C:\\Pelavine\\a.spi", "jpg.02.C:\\Pelavine\\b.spi"}));
}

TEST_F(PluginScan, APluginPathTheSettingsFileCannotHoldIsLeftOut) {
    AddPlugin(kModule, "写真.spi", "*.jpg");
    AddPlugin(kModule, "\xF0\x9F\x93\xB7.spi", "*.jpg"); // U+1F4F7, outside code page 932
    AddPlugin(kModule, "\xF0\x9F\x98\x80.spi", "*.png"); // U+1F600, outside code page 932
    EXPECT_EQ(Scan(), (Entries{"jpg.00.C:\\Pelavine\\写真.spi"}));
    EXPECT_EQ(probe_.probed, (Entries{"C:\\Pelavine\\写真.spi"})) << "what cannot be stored is not even loaded";
    EXPECT_EQ(ExtensionList(record_.pluginPriorityList), (Entries{"jpg"}));
}

TEST_F(PluginScan, FilterExtensionsTheFileCannotCarryBackOrThatRepeatAreLeftOut) {
    AddPlugin(kModule, "a.spi", "*.jpg;*.JPG;*.p\nng;*.g\x01if;*. bmp;*.\xF0\x9F\x98\x80;*.tga\x7F;*.png");
    AddPlugin(kModule, "b.spi", "*.Jpg");
    EXPECT_EQ(Scan(), (Entries{"jpg.00.C:\\Pelavine\\a.spi", "jpg.01.C:\\Pelavine\\b.spi", "png.00.C:\\Pelavine\\a.spi"}));
    EXPECT_EQ(ExtensionList(record_.pluginPriorityList), (Entries{"jpg", "png"}));
}

TEST(CarryPrioritiesOver, AnOldEntryIsTakenOnlyOnce) {
    PluginEntries entries = testing::ParsedEntries({"jpg.99.C:\\a.spi", "jpg.99.c:\\A.SPI", "png.99.C:\\a.spi"});
    CarryPrioritiesOver(entries, testing::ParsedEntries({"JPG.04.C:\\A.spi", "png.02.C:\\b.spi"}));
    EXPECT_EQ(testing::EntryTexts(entries), (Entries{"jpg.04.C:\\a.spi", "jpg.99.c:\\A.SPI", "png.99.C:\\a.spi"}));
}

TEST(SusieFolderLookup, TakesTheFolderOnlyWhenTheSettingsFileCanHoldIt) {
    testing::FakeRegistry registry;
    SettingsRecord record(kModule);
    const std::pair<std::string, std::string> value{"Software\\Halvecor\\Susie\\Plug-in", "Path"};
    registry.texts[value] = "D:\\\xF0\x9F\x93\xB7";
    EXPECT_EQ(LookUpSusieFolder(record, registry), SusieFolderLookup::NotStorable);
    EXPECT_EQ(record.Susie_Dir_Path, "Empty");

    registry.texts[value] = "D:\\スージー\\plug-in";
    EXPECT_EQ(LookUpSusieFolder(record, registry), SusieFolderLookup::Found);
    EXPECT_EQ(record.Susie_Dir_Path, "D:\\スージー\\plug-in");
}

TEST_F(PluginScan, NeverWritesAThreeDigitPriority) {
    for (int i = 0; i < 105; ++i) {
        AddPlugin(kModule, "p" + std::to_string(1000 + i) + ".spi", "*.jpg");
    }
    const Entries entries = Scan();
    ASSERT_EQ(entries.size(), 100u);
    EXPECT_EQ(entries.front(), "jpg.00.C:\\Pelavine\\p1000.spi");
    EXPECT_EQ(entries.back(), "jpg.99.C:\\Pelavine\\p1099.spi");
}

} // namespace
} // namespace pelaconf
