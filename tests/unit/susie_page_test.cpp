// The priority dialog's rules (the lists it shows and the exchange of priorities on its working
// copy) and the Susie page's values, folder lookup and refresh.
#include "fake_file_system.h"
#include "fake_plugin_probe.h"
#include "fake_registry.h"
#include "plugin_entry_texts.h"
#include "plugins/plugin_priorities.h"
#include "plugins/susie_page.h"
#include "settings/settings_record.h"

#include "expected_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pelaconf {
namespace {

using Entries = std::vector<std::string>;
using testing::FakeFileSystem;
using testing::FakePluginProbe;
using testing::FakeRegistry;
using testing::EntryTexts;
using testing::ParsedEntries;

constexpr char kModule[] = "C:\\Pelavine";

// jpg: a, B, c in that order; png: c before a; gif: c only.
SettingsRecord ThreePlugins() {
    SettingsRecord record(kModule);
    record.pluginPriorityList = ParsedEntries({"gif.00.C:\\P\\c.spi", "jpg.00.C:\\P\\a.spi", "jpg.01.C:\\P\\B.spi",
                                               "jpg.02.C:\\P\\c.spi", "png.00.C:\\P\\c.spi", "png.01.C:\\P\\a.spi"});
    return record;
}

TEST(PluginPriorityEditor, ListsTheExtensionsAndEachPluginOnceByNameOrByPriority) {
    SettingsRecord record = ThreePlugins();
    record.pluginPriorityList.insert(record.pluginPriorityList.begin() + 1, ParsePluginEntry("JPG.05.no-folder.spi"));
    PluginPriorityEditor editor(record);
    EXPECT_EQ(editor.ExtensionItems(), (Entries{"全てのSPI", ".GIF", ".JPG", ".PNG"})) << "each extension once";

    ASSERT_TRUE(editor.SelectExtension(0));
    EXPECT_EQ(editor.PluginNames(), (Entries{"a.spi", "B.spi", "c.spi"})) << "ascending, ignoring case";
    EXPECT_FALSE(editor.CanMove());
    EXPECT_FALSE(editor.SelectExtension(0)) << "the item already shown is not shown again";

    ASSERT_TRUE(editor.SelectExtension(3));
    EXPECT_EQ(editor.PluginNames(), (Entries{"c.spi", "a.spi"})) << "priority order, not list order";
    EXPECT_TRUE(editor.CanMove());
    ASSERT_TRUE(editor.SelectExtension(2));
    EXPECT_EQ(editor.PluginNames(), (Entries{"a.spi", "B.spi", "c.spi"})) << "an entry without a folder adds nothing";
}

TEST(PluginPriorityEditor, AnEmptyCatalogueOffersOnlyTheAllItem) {
    PluginPriorityEditor editor{SettingsRecord(kModule)};
    EXPECT_EQ(editor.ExtensionItems(), Entries{"全てのSPI"});
    ASSERT_TRUE(editor.SelectExtension(0));
    EXPECT_TRUE(editor.PluginNames().empty());
    EXPECT_EQ(editor.MoveUp(0), 0);
    EXPECT_EQ(editor.MoveDown(0), 0);
}

TEST(PluginPriorityEditor, MovingUpExchangesTwoPrioritiesOfOneExtensionAndOnlyOkCommitsThem) {
    SettingsRecord record = ThreePlugins();
    const Entries before = EntryTexts(record.pluginPriorityList);
    PluginPriorityEditor editor(record);
    ASSERT_TRUE(editor.SelectExtension(2)); // .JPG: a, B, c

    EXPECT_EQ(editor.MoveUp(1), 0);
    EXPECT_EQ(editor.PluginNames(), (Entries{"B.spi", "a.spi", "c.spi"}));
    Entries expected = before;
    expected[1] = "jpg.00.C:\\P\\B.spi";
    expected[2] = "jpg.01.C:\\P\\a.spi";
    EXPECT_EQ(EntryTexts(editor.WorkingList()), expected) << "only the two jpg entries change; png keeps c before a";
    EXPECT_EQ(EntryTexts(record.pluginPriorityList), before) << "the record waits for OK";

    editor.Commit(record);
    EXPECT_EQ(EntryTexts(record.pluginPriorityList), expected);
    EXPECT_EQ(ExtensionList(record.pluginPriorityList), (Entries{"gif", "jpg", "png"}));
}

TEST(PluginPriorityEditor, TheSelectionFollowsThePluginAndTheEndsDoNotMove) {
    SettingsRecord record = ThreePlugins();
    PluginPriorityEditor editor(record);
    ASSERT_TRUE(editor.SelectExtension(2));
    EXPECT_EQ(editor.MoveUp(editor.MoveUp(2)), 0) << "two moves up move it two places";
    EXPECT_EQ(editor.PluginNames(), (Entries{"c.spi", "a.spi", "B.spi"}));
    EXPECT_EQ(FormatPluginEntry(editor.WorkingList()[1]), "jpg.00.C:\\P\\c.spi");
    EXPECT_EQ(FormatPluginEntry(editor.WorkingList()[4]), "png.00.C:\\P\\c.spi") << "first for png as before";

    const PluginEntries moved = editor.WorkingList();
    EXPECT_FALSE(editor.CanMoveUp(0));
    EXPECT_FALSE(editor.CanMoveDown(2));
    EXPECT_FALSE(editor.CanMoveDown(-1));
    EXPECT_TRUE(editor.CanMoveUp(2) && editor.CanMoveDown(0));
    EXPECT_EQ(editor.MoveUp(0), 0);
    EXPECT_EQ(editor.MoveDown(2), 2);
    EXPECT_EQ(editor.MoveDown(-1), -1);
    EXPECT_EQ(editor.WorkingList(), moved);
    EXPECT_EQ(editor.MoveDown(0), 1);
    EXPECT_EQ(editor.PluginNames(), (Entries{"a.spi", "c.spi", "B.spi"}));
    EXPECT_EQ(FormatPluginEntry(editor.WorkingList()[1]), "jpg.00.C:\\P\\a.spi");
    EXPECT_EQ(FormatPluginEntry(editor.WorkingList()[2]), "jpg.01.C:\\P\\c.spi");

    ASSERT_TRUE(editor.SelectExtension(0));
    const Entries all = editor.PluginNames();
    EXPECT_EQ(editor.MoveUp(1), 1) << "nothing moves in the list of all plug-ins";
    EXPECT_EQ(editor.PluginNames(), all);
}

TEST(PluginPriorityEditor, AMoveThatExchangesNothingIsNotShownAndItsButtonCannotBeUsed) {
    SettingsRecord record(kModule);
    // a and b share priority 00, and c's priority does not read as a number, which counts as 00.
    record.pluginPriorityList = ParsedEntries({"jpg.00.C:\\P\\a.spi", "jpg.00.C:\\P\\b.spi", "jpg.xx.C:\\P\\c.spi"});
    PluginPriorityEditor editor(record);
    ASSERT_TRUE(editor.SelectExtension(1));
    ASSERT_EQ(editor.PluginNames(), (Entries{"a.spi", "b.spi", "c.spi"}));
    for (const int selected : {0, 1}) {
        EXPECT_FALSE(editor.CanMoveDown(selected)) << selected;
        EXPECT_EQ(editor.MoveDown(selected), selected) << "the list keeps what OK saves";
        EXPECT_FALSE(editor.CanMoveUp(selected + 1)) << selected;
        EXPECT_EQ(editor.MoveUp(selected + 1), selected + 1);
    }
    EXPECT_EQ(editor.PluginNames(), (Entries{"a.spi", "b.spi", "c.spi"}));
    EXPECT_EQ(editor.WorkingList(), record.pluginPriorityList);
    EXPECT_EQ(editor.PathOf("A.SPI"), "C:\\P\\a.spi");
    EXPECT_EQ(editor.PathOf("missing.spi"), std::nullopt);
}

TEST(CatalogueChanged, ComparesLengthAndEachEntryIgnoringCase) {
    const PluginEntries before = ParsedEntries({"jpg.00.C:\\P\\a.spi", "png.00.C:\\P\\a.spi"});
    EXPECT_FALSE(CatalogueChanged(before, ParsedEntries({"JPG.00.c:\\p\\A.SPI", "png.00.C:\\P\\a.spi"})));
    EXPECT_TRUE(CatalogueChanged(before, ParsedEntries({"jpg.00.C:\\P\\a.spi"})));
    EXPECT_TRUE(CatalogueChanged(before, ParsedEntries({"jpg.00.C:\\P\\a.spi", "png.01.C:\\P\\a.spi"})));
    EXPECT_TRUE(CatalogueChanged({}, ParsedEntries({"jpg.00.C:\\P\\a.spi"})));
    EXPECT_EQ(PluginInformation("JPEG images", "JPEG filter 1.0"), "JPEG images\nJPEG filter 1.0");
}

class SusiePageModelTest : public ::testing::Test {
protected:
    SusiePageModelTest() { files.folders = {kModule, "D:\\Susie"}; }

    void AddPlugin(const std::string& folder, const std::string& name, const std::string& filter) {
        files.listings[folder + "\\*.spi"].push_back({name, false});
        probe.filters[folder + "\\" + name] = filter;
    }

    SettingsRecord record{kModule};
    FakeFileSystem files;
    FakePluginProbe probe;
    FakeRegistry registry;
    SusiePageModel model;
};

TEST_F(SusiePageModelTest, EmptyIsShownAsAnEmptyFieldAndAnEmptyFieldIsStoredAsEmpty) {
    record.Susie_Use = 1;
    model.Load(record);
    EXPECT_EQ(model.folder, "");
    EXPECT_EQ(model.useSusie, 1);
    record.Susie_Dir_Path = "empty"; // only the exact word means no folder
    model.Load(record);
    EXPECT_EQ(model.folder, "empty");

    model.folder.clear();
    model.useSusie = 0;
    model.Store(record);
    EXPECT_EQ(record.Susie_Dir_Path, "Empty");
    EXPECT_EQ(record.Susie_Use, 0);
}

TEST_F(SusiePageModelTest, ValidateNeedsAnExistingFolderOnlyWhilePluginsAreUsed) {
    model.folder = "D:\\Missing";
    EXPECT_EQ(model.Validate(record, files), SusieFolderCheck::Valid) << "not used: anything goes";
    model.useSusie = 1;
    EXPECT_EQ(model.Validate(record, files), SusieFolderCheck::Missing);
    EXPECT_EQ(record.Susie_Use, 1) << "written even when the page is refused";
    model.folder.clear();
    EXPECT_EQ(model.Validate(record, files), SusieFolderCheck::Valid) << "no folder chosen is no error";

    model.folder = "D:\\Ảnh"; // exists, but the settings file could not hold it
    files.folders.insert(model.folder);
    model.useSusie = 0;
    EXPECT_EQ(model.Validate(record, files), SusieFolderCheck::NotStorable);
}

TEST_F(SusiePageModelTest, TheSusieFolderFromTheRegistryFillsTheFieldOnlyWhenItDiffers) {
    model.folder = "D:\\Old";
    EXPECT_EQ(model.TakeSusieFolder(record, registry), LookupOutcome::NotFound);
    EXPECT_EQ(model.folder, "D:\\Old");
    EXPECT_EQ(record.Susie_Dir_Path, "Empty");

    registry.texts[{"Software\\Halvecor\\Susie\\Plug-in", "Path"}] = "D:\\Ảnh"; // not in code page 932
    EXPECT_EQ(model.TakeSusieFolder(record, registry), LookupOutcome::NotStorable);
    EXPECT_EQ(model.folder, "D:\\Old");

    registry.texts[{"Software\\Halvecor\\Susie\\Plug-in", "Path"}] = "D:\\Susie";
    EXPECT_EQ(model.TakeSusieFolder(record, registry), LookupOutcome::Changed);
    EXPECT_EQ(model.folder, "D:\\Susie");
    EXPECT_EQ(record.Susie_Dir_Path, "D:\\Susie");
    EXPECT_EQ(model.TakeSusieFolder(record, registry), LookupOutcome::Unchanged);
    model.folder = "d:\\susie";
    EXPECT_EQ(model.TakeSusieFolder(record, registry), LookupOutcome::Changed) << "compared exactly";
}

TEST_F(SusiePageModelTest, ARefreshReportsANewPluginThenNothingNew) {
    AddPlugin("D:\\Susie", "a.spi", "*.jpg");
    model.folder = "D:\\Susie";
    EXPECT_EQ(model.Refresh(record, files, probe).outcome, RefreshOutcome::Changed);
    EXPECT_EQ(record.Susie_Dir_Path, "D:\\Susie");
    EXPECT_EQ(EntryTexts(record.pluginPriorityList), Entries{"jpg.00.D:\\Susie\\a.spi"});
    EXPECT_EQ(model.Refresh(record, files, probe).outcome, RefreshOutcome::Unchanged);

    record.pluginPriorityList = ParsedEntries({"JPG.00.d:\\susie\\A.SPI"});
    EXPECT_EQ(model.Refresh(record, files, probe).outcome, RefreshOutcome::Unchanged) << "letter case is no change";

    files.listings.clear();
    EXPECT_EQ(model.Refresh(record, files, probe).outcome, RefreshOutcome::Changed) << "a removed plug-in";
}

TEST_F(SusiePageModelTest, ARefreshWhoseHostCannotStartNamesItAndKeepsTheCatalogue) {
    AddPlugin("D:\\Susie", "a.spi", "*.jpg");
    record.pluginPriorityList = ParsedEntries({"png.00.D:\\Susie\\b.spi"});
    model.folder = "D:\\Susie";
    probe.hostNotStarted = "PelaconfPluginHost64.exe";
    const RefreshResult result = model.Refresh(record, files, probe);
    EXPECT_EQ(result.outcome, RefreshOutcome::HostNotStarted);
    EXPECT_EQ(result.hostProgram, "PelaconfPluginHost64.exe");
    EXPECT_EQ(EntryTexts(record.pluginPriorityList), Entries{"png.00.D:\\Susie\\b.spi"});
}

TEST_F(SusiePageModelTest, ARefreshWithAMissingFolderChangesNothingAndAnEmptyFieldSearchesTheModuleFolder) {
    AddPlugin(kModule, "m.spi", "*.png");
    record.Susie_Dir_Path = "D:\\Susie";
    record.pluginPriorityList = ParsedEntries({"jpg.00.D:\\Susie\\a.spi"});
    model.folder = "D:\\Missing";
    const RefreshResult refused = model.Refresh(record, files, probe);
    EXPECT_EQ(refused.outcome, RefreshOutcome::Refused);
    EXPECT_EQ(refused.folder, SusieFolderCheck::Missing);
    EXPECT_EQ(record.Susie_Dir_Path, "D:\\Susie");
    EXPECT_EQ(EntryTexts(record.pluginPriorityList), Entries{"jpg.00.D:\\Susie\\a.spi"});
    EXPECT_TRUE(probe.probed.empty()) << "no scan";

    model.folder.clear();
    EXPECT_EQ(model.Refresh(record, files, probe).outcome, RefreshOutcome::Changed);
    EXPECT_EQ(record.Susie_Dir_Path, "Empty");
    EXPECT_EQ(EntryTexts(record.pluginPriorityList), Entries{"png.00.C:\\Pelavine\\m.spi"});
}

TEST_F(SusiePageModelTest, TheFolderBrowserReplacesTheFieldUnlessOnlyTheCaseDiffers) {
    model.folder = "D:\\Susie";
    EXPECT_FALSE(model.ChooseFolder("d:\\SUSIE"));
    EXPECT_EQ(model.folder, "D:\\Susie");
    EXPECT_TRUE(model.ChooseFolder("E:\\Plugins"));
    EXPECT_EQ(model.folder, "E:\\Plugins");
}

} // namespace
} // namespace pelaconf
