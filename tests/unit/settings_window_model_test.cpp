#include "app/settings_window_model.h"
#include "fake_file_system.h"
#include "fake_plugin_probe.h"
#include "fake_registry.h"
#include "fake_services.h"
#include "pages/settings_page.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <functional>
#include <new>
#include <string>
#include <utility>
#include <vector>

namespace pelaconf {
namespace {

using testing::FakeFileSystem;
using testing::FakePluginProbe;
using testing::FakeProcessStarter;
using testing::FakeRegistry;

// A page whose validation result is set by the test and whose store runs the test's action.
class ScriptedPage : public SettingsPage {
public:
    bool valid = true;
    int validations = 0;
    std::function<void()> validate = [] {};
    std::function<void()> store = [] {};
    bool Validate() override {
        ++validations;
        validate();
        return valid;
    }
    void Store() override { store(); }
};

// Records what the model asks and tells, in order: "restart?", "discard?", "not written",
// "broken off", "Pelavine not started".
class RecordingHost : public SettingsWindowHost {
public:
    std::vector<int> shownPages;
    std::vector<std::string> told;
    // Answers to questions, in order; a question without a scripted answer gets No.
    std::deque<bool> answers;
    std::function<void()> makeMissingPages = [] {};
    std::function<void()> whileAsking = [] {};
    void MakeMissingPages() override { makeMissingPages(); }
    void ShowPageAfterFailedValidation(int pageIndex) override { shownPages.push_back(pageIndex); }
    bool ConfirmRestart() override { return Ask("restart?"); }
    bool ConfirmDiscardChanges() override { return Ask("discard?"); }
    void ReportSaveFailure(SaveFailure failure) override {
        told.push_back(failure == SaveFailure::NotWritten ? "not written" : "broken off");
    }
    void ReportPelavineNotStarted() override { told.push_back("Pelavine not started"); }

private:
    bool Ask(const std::string& question) {
        told.push_back(question);
        whileAsking();
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return yes;
    }
};

using Told = std::vector<std::string>;

// The page index of each page that holds settings, in the order of validation and storing:
// wallpaper folder, start-up, display order, display position, timer, external program, WAVE,
// timer stop, Susie, tray icon, desktop icon, hotkey, other settings.
constexpr std::array<int, 13> kValidatedPageIndexes{1, 2, 3, 4, 6, 7, 8, 9, 11, 12, 13, 14, 15};

class SettingsWindowModelTest : public ::testing::Test {
protected:
    SettingsWindowModelTest() {
        std::vector<ValidatedPage> validated;
        for (size_t i = 0; i < pages.size(); ++i) {
            validated.push_back({kValidatedPageIndexes[i], &pages[i]});
        }
        model.SetPages(validated);
        fade.command = kFadeIdle; // the fade-in is over
        files.files[record.ShuffleListPath()] = "shuffle";
    }
    bool Written() const { return files.files.count(record.SettingsFilePath()) != 0; }
    bool ShuffleListKept() const { return files.files.count(record.ShuffleListPath()) != 0; }

    // The record as read at the start.
    static SettingsRecord StartRecord() {
        SettingsRecord start{"C:\\Pelavine"};
        start.Wall_Dir_Path = "C:\\Pictures";
        return start;
    }

    SettingsRecord record = StartRecord();
    OriginalSpellings spellings;
    FakeFileSystem files;
    FakeProcessStarter processes;
    FakeRegistry registry;
    FakePluginProbe plugins;
    FadeState fade;
    RecordingHost host;
    std::array<ScriptedPage, kValidatedPageIndexes.size()> pages;
    SettingsWindowModel model{{record, spellings, files, processes, registry, plugins}, fade, host};
};

TEST_F(SettingsWindowModelTest, TheFirstInvalidPageInTheFixedOrderIsShownAndLaterPagesAreNotAsked) {
    pages[5].valid = false;  // external program page
    pages[11].valid = false; // hotkey page
    EXPECT_FALSE(model.ValidateAll());
    EXPECT_EQ(host.shownPages, std::vector<int>{7});
    EXPECT_EQ(pages[4].validations, 1);
    EXPECT_EQ(pages[11].validations, 0);

    for (int order : {0, 4, 8, 12}) {
        pages[5].valid = true;
        pages[11].valid = true;
        pages[order].valid = false;
        host.shownPages.clear();
        EXPECT_FALSE(model.ValidateAll());
        EXPECT_EQ(host.shownPages, std::vector<int>{kValidatedPageIndexes[order]});
        pages[order].valid = true;
    }
    EXPECT_TRUE(model.ValidateAll());
}

TEST_F(SettingsWindowModelTest, OkWithNothingModifiedValidatesWritesNothingAndCloses) {
    model.Ok();
    EXPECT_EQ(pages[0].validations, 1);
    EXPECT_FALSE(Written());
    EXPECT_TRUE(host.told.empty());
    EXPECT_TRUE(processes.started.empty());
    EXPECT_EQ(fade.command.load(), kFadeOutAndEnd);
    EXPECT_EQ(fade.result.load(), kFadeResultOk);
}

TEST_F(SettingsWindowModelTest, OkWithAModifiedPageSavesAsksAndStartsPelavineOnYes) {
    pages[2].SetModified(true);
    pages[2].store = [this] { record.Turn_Type = 2; };
    host.answers = {true};
    model.Ok();
    ASSERT_TRUE(Written());
    EXPECT_NE(files.files[record.SettingsFilePath()].find("[Turn_Type]=2\r\n"), std::string::npos);
    EXPECT_EQ(host.told, Told{"restart?"});
    EXPECT_EQ(processes.started, std::vector<std::string>{"Pelavine.exe /nochange"});
    EXPECT_TRUE(ShuffleListKept());
    EXPECT_EQ(fade.command.load(), kFadeOutAndEnd);

    model.Ok();
    model.Cancel();
    EXPECT_EQ(processes.started.size(), 1u) << "requests while closing are ignored";
    EXPECT_EQ(fade.result.load(), kFadeResultOk);
}

TEST_F(SettingsWindowModelTest, OkAnsweredNoSavesWithoutStartingAndAFailedStartStillCloses) {
    pages[0].SetModified(true);
    model.Ok();
    EXPECT_TRUE(Written());
    EXPECT_TRUE(processes.started.empty());
    EXPECT_EQ(fade.command.load(), kFadeOutAndEnd);

    fade.command = kFadeIdle;
    processes.fail = true;
    host.answers = {true};
    host.told.clear();
    model.Ok();
    EXPECT_EQ(host.told, (Told{"restart?", "Pelavine not started"}));
    EXPECT_EQ(fade.command.load(), kFadeOutAndEnd);
}

TEST_F(SettingsWindowModelTest, AFailedWriteKeepsTheWindowOpenWithTheCollectedValues) {
    files.failWrites = true;
    pages[0].SetModified(true);
    pages[0].store = [this] { record.Rect_Type = 4; };
    model.Ok();
    EXPECT_EQ(host.told, Told{"not written"});
    EXPECT_EQ(fade.command.load(), kFadeIdle);
    EXPECT_EQ(record.Rect_Type, 4);
    model.Apply();
    EXPECT_EQ(host.told, (Told{"not written", "not written"}));
    EXPECT_EQ(pages[0].Modified(), 1) << "a failed Apply keeps the modified flags";
    EXPECT_TRUE(processes.started.empty());
}

TEST_F(SettingsWindowModelTest, AnInvalidPageStopsOkApplyButNotCancel) {
    pages[0].SetModified(true);
    pages[0].valid = false;
    model.Ok();
    model.Apply();
    EXPECT_FALSE(Written());
    EXPECT_EQ(fade.command.load(), kFadeIdle);
    EXPECT_EQ(host.shownPages, (std::vector<int>{1, 1}));
    host.answers = {true};
    model.Cancel();
    EXPECT_EQ(fade.command.load(), kFadeOutAndEnd);
    EXPECT_EQ(fade.result.load(), kFadeResultCancel);
}

TEST_F(SettingsWindowModelTest, ApplySavesClearsTheFlagsAndStartsPelavineWithoutAsking) {
    pages[3].SetModified(true);
    model.Apply();
    EXPECT_TRUE(Written());
    EXPECT_TRUE(host.told.empty());
    EXPECT_EQ(processes.started, std::vector<std::string>{"Pelavine.exe /nochange"});
    EXPECT_EQ(pages[3].Modified(), 0);
    EXPECT_EQ(fade.command.load(), kFadeIdle);

    files.files.erase(record.SettingsFilePath());
    model.Apply();
    EXPECT_TRUE(Written()) << "Apply saves without looking at the modified flags";

    model.Cancel();
    EXPECT_TRUE(host.told.empty()) << "nothing modified since the Apply: no question";
    EXPECT_EQ(fade.result.load(), kFadeResultCancel);
}

TEST_F(SettingsWindowModelTest, CancelAfterAChangeAsksAndNoKeepsTheWindowOpen) {
    pages[7].SetModified(true);
    model.Cancel();
    EXPECT_EQ(host.told, Told{"discard?"});
    EXPECT_EQ(fade.command.load(), kFadeIdle);
    EXPECT_EQ(pages[7].Modified(), 1);
    host.answers = {true};
    model.Cancel();
    EXPECT_EQ(fade.command.load(), kFadeOutAndEnd);
    EXPECT_FALSE(Written());
}

TEST_F(SettingsWindowModelTest, TheShuffleListIsDeletedOnlyWhenTheFolderSettingsChange) {
    pages[0].SetModified(true);
    const auto applyWith = [this](std::function<void()> change) {
        files.files[record.ShuffleListPath()] = "shuffle";
        pages[0].store = std::move(change);
        model.Apply();
        return ShuffleListKept();
    };
    EXPECT_TRUE(applyWith([this] { record.Wall_Dir_Path = "c:\\PICTURES"; })) << "letter case alone";
    EXPECT_TRUE(applyWith([this] { record.Turn_Type = 1; }));
    EXPECT_FALSE(applyWith([this] { record.Wall_Dir_Path = "C:\\Other"; }));
    EXPECT_FALSE(applyWith([this] { record.Wall_Dir_Saike_Use = 1; }));
    EXPECT_FALSE(applyWith([this] { record.Susie_Use = 1; }));
    // Multibyte-aware: the trail byte of "表" (0x95 0x5C) is not a folded letter.
    EXPECT_FALSE(applyWith([this] { record.Wall_Dir_Path = "C:\\表"; }));
    EXPECT_TRUE(applyWith([this] { record.Wall_Dir_Path = "c:\\表"; }));
    EXPECT_FALSE(applyWith([this] { record.Wall_Dir_Path = "c:\\ソ"; }));
}

TEST_F(SettingsWindowModelTest, AValueStoredWhileValidatingStillCountsAsAChange) {
    pages[8].SetModified(true);
    pages[8].validate = [this] { record.Susie_Use = 1; };
    model.Ok();
    EXPECT_TRUE(Written());
    EXPECT_FALSE(ShuffleListKept());
}

// A change of category stores a page into the record before OK or Apply is pressed; what counts
// is the file as last written, not the record as it is when the button is pressed.
TEST_F(SettingsWindowModelTest, TheShuffleListFollowsTheFileAsLastWrittenNotTheRecord) {
    pages[8].SetModified(true);
    record.Susie_Use = 1;
    model.Apply();
    EXPECT_FALSE(ShuffleListKept()) << "a value stored before Apply";
    files.files[record.ShuffleListPath()] = "shuffle";
    pages[8].SetModified(true);
    model.Ok();
    EXPECT_TRUE(ShuffleListKept()) << "the value the last Apply wrote";
}

TEST_F(SettingsWindowModelTest, AFailedWriteKeepsTheShuffleList) {
    files.failWrites = true;
    pages[0].store = [this] { record.Wall_Dir_Path = "C:\\Other"; };
    model.Apply();
    EXPECT_EQ(host.told, Told{"not written"});
    EXPECT_TRUE(ShuffleListKept());
}

TEST_F(SettingsWindowModelTest, AnExceptionWhileCollectingWritesNothingAndGivesTheRecordBack) {
    for (const bool ok : {true, false}) {
        pages[0].SetModified(true);
        pages[0].store = [this] { record.Wall_Dir_Path = "C:\\Other"; };
        pages[4].store = [] { throw std::bad_alloc(); };
        host.told.clear();
        ok ? model.Ok() : model.Apply();
        EXPECT_EQ(host.told, Told{"broken off"});
        EXPECT_FALSE(Written());
        EXPECT_TRUE(ShuffleListKept());
        EXPECT_EQ(record.Wall_Dir_Path, "C:\\Pictures");
        EXPECT_EQ(fade.command.load(), kFadeIdle);
        EXPECT_EQ(pages[0].Modified(), 1);
        EXPECT_TRUE(processes.started.empty());
    }
}

TEST_F(SettingsWindowModelTest, OkAndCancelAreIgnoredWhileAFirstRunFadesIn) {
    model.SetFirstRun(true);
    fade.command = kFadeIn;
    model.Ok();
    model.Cancel();
    EXPECT_EQ(pages[0].validations, 0);
    EXPECT_EQ(fade.command.load(), kFadeIn);
    fade.command = kFadeIdle;
    model.Ok();
    EXPECT_EQ(fade.command.load(), kFadeOutAndEnd);
}

TEST_F(SettingsWindowModelTest, ARequestArrivingWhileTheRestartQuestionIsOpenIsIgnored) {
    pages[0].SetModified(true);
    host.whileAsking = [this] {
        model.Ok();
        model.Cancel();
    };
    host.answers = {true};
    model.Ok();
    EXPECT_EQ(host.told, Told{"restart?"});
    EXPECT_EQ(processes.started.size(), 1u);
    EXPECT_EQ(pages[0].validations, 1);
}

TEST_F(SettingsWindowModelTest, TheFadeFollowsSetupDlgFadeAsStored) {
    EXPECT_EQ(fade.fadeWanted.load(), 0);
    pages[0].store = [this] { record.SetupDlg_Fade = 1; };
    model.Apply();
    EXPECT_EQ(fade.fadeWanted.load(), 1);
}

// A window that has made none of its pages yet: each request that needs them has them made
// first, in whatever order the window makes them, and then validates them in their places.
TEST_F(SettingsWindowModelTest, RequestsThatNeedThePagesHaveTheMissingOnesMadeFirst) {
    model.SetPages({});
    bool made = false;
    host.makeMissingPages = [this, &made] {
        if (!std::exchange(made, true)) {
            for (int place : {13, 1, 7, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12}) {
                model.AddPage({kValidatedPageIndexes[place - 1], &pages[place - 1]});
            }
        }
    };
    pages[0].SetModified(true); // the folder page starts modified
    model.Cancel();
    EXPECT_EQ(host.told, Told{"discard?"});
    EXPECT_EQ(fade.command.load(), kFadeIdle);

    std::vector<int> order;
    for (size_t i = 0; i < pages.size(); ++i) {
        pages[i].validate = [&order, i] { order.push_back(static_cast<int>(i)); };
    }
    pages[6].valid = false;
    model.Ok();
    model.Apply();
    EXPECT_EQ(host.shownPages, (std::vector<int>{8, 8}));
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 0, 1, 2, 3, 4, 5, 6}));
}

} // namespace
} // namespace pelaconf
