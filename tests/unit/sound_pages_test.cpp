// The external program and WAVE pages' rules: what each needs before it may be saved, the file
// dialog's choice, the values for the wallpaper browser, and the WAVE test play's states.
#include "fake_file_system.h"
#include "fake_wave_device.h"
#include "pages/external_program_page.h"
#include "pages/wave_page.h"
#include "settings/settings_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pelaconf {
namespace {

using testing::FakeFileSystem;
using testing::FakeWaveDevice;

using Failures = std::vector<TestPlayFailure>;

TEST(ExternalProgramModel, ACheckedBoxNeedsACommandLineButNeverLooksForItOnDisk) {
    ExternalProgramModel model;
    EXPECT_EQ(model.Validate(), ProgramCheck::Valid) << "no box checked: an empty path may be saved";
    for (int ExternalProgramModel::*box :
         {&ExternalProgramModel::atStart, &ExternalProgramModel::onTimer, &ExternalProgramModel::onManualChange}) {
        ExternalProgramModel checked;
        checked.*box = 1;
        EXPECT_EQ(checked.Validate(), ProgramCheck::PathMissing);
        checked.path = "C:\\No such\\run.exe /quiet \"a b\"";
        EXPECT_EQ(checked.Validate(), ProgramCheck::Valid);
    }
}

TEST(ExternalProgramModel, ACommandLineTheSettingsFileCannotHoldIsRefused) {
    ExternalProgramModel model;
    model.path = "C:\\도구\\run.exe";
    EXPECT_EQ(model.Validate(), ProgramCheck::NotStorable);
    model.path = "C:\\道具\\run.exe";
    EXPECT_EQ(model.Validate(), ProgramCheck::Valid);
}

TEST(ExternalProgramModel, LoadsAndStoresItsFourKeysAndGivesTheManualCommandOnlyWhenChecked) {
    SettingsRecord record("C:\\Pelavine");
    record.Timer_Exec_Path = "C:\\a b.exe /x=1";
    record.Timer_Exec1_Start = 1;
    record.Timer_Exec3_Use = 1;
    ExternalProgramModel model;
    model.Load(record);
    EXPECT_EQ(model.ManualChangeCommand(), "C:\\a b.exe /x=1");
    SettingsRecord stored("C:\\Pelavine");
    model.Store(stored);
    EXPECT_EQ(stored.Timer_Exec_Path, "C:\\a b.exe /x=1");
    EXPECT_EQ(stored.Timer_Exec1_Start, 1);
    EXPECT_EQ(stored.Timer_Exec2_Use, 0);
    EXPECT_EQ(stored.Timer_Exec3_Use, 1);
    model.onManualChange = 0;
    EXPECT_EQ(model.ManualChangeCommand(), std::nullopt);
}

TEST(ChangeAction, TheFileDialogReplacesThePathUnlessOnlyTheCaseDiffers) {
    WaveModel model;
    model.path = "C:\\Sounds\\Chime.wav";
    EXPECT_FALSE(model.ChooseFile("c:\\SOUNDS\\chime.WAV"));
    EXPECT_EQ(model.path, "C:\\Sounds\\Chime.wav");
    EXPECT_FALSE(model.ChooseFile(""));
    EXPECT_TRUE(model.ChooseFile("D:\\音\\鐘.wav"));
    EXPECT_EQ(model.path, "D:\\音\\鐘.wav");
}

TEST(WaveModel, ACheckedBoxNeedsAnExistingFile) {
    FakeFileSystem files;
    files.files["C:\\Sounds\\chime.wav"] = "";
    WaveModel model;
    model.path = "C:\\Missing.wav";
    EXPECT_EQ(model.Validate(files), WaveCheck::Valid) << "no box checked: the path is not looked for";
    model.onTimer = 1;
    model.path = "";
    EXPECT_EQ(model.Validate(files), WaveCheck::PathMissing);
    model.path = "C:\\Missing.wav";
    EXPECT_EQ(model.Validate(files), WaveCheck::FileMissing);
    model.path = "C:\\Sounds\\chime.wav";
    EXPECT_EQ(model.Validate(files), WaveCheck::Valid);
}

TEST(WaveModel, LoadsAndStoresItsFourKeys) {
    SettingsRecord record("C:\\Pelavine");
    record.Timer_Wave_Path = "C:\\chime.wav";
    record.Timer_Wave2_Use = 1;
    record.Timer_Wave3_Use = 1;
    WaveModel model;
    model.Load(record);
    EXPECT_TRUE(model.PlaysOnManualChange());
    model.atStart = 1;
    model.onTimer = 0;
    SettingsRecord stored("C:\\Pelavine");
    model.Store(stored);
    EXPECT_EQ(stored.Timer_Wave_Path, "C:\\chime.wav");
    EXPECT_EQ(stored.Timer_Wave1_Start, 1);
    EXPECT_EQ(stored.Timer_Wave2_Use, 0);
    EXPECT_EQ(stored.Timer_Wave3_Use, 1);
}

class WaveTestPlayTest : public ::testing::Test {
protected:
    WaveTestPlayTest() { files.files[kSound] = "RIFF"; }

    static constexpr char kSound[] = "C:\\Sounds\\chime.wav";
    FakeFileSystem files;
    FakeWaveDevice device;
    std::vector<TestPlayFailure> failures;
    // What the page would show each time the state changes, and how many failures came before.
    std::vector<std::string> shown;
    WaveTestPlay play{device, files,
                      TestPlayReports{[this] {
                                          shown.push_back((play.Playing() ? "stop icon after " : "play icon after ") +
                                                          std::to_string(failures.size()));
                                      },
                                      [this](const TestPlayFailure& failure) { failures.push_back(failure); }}};
};

TEST_F(WaveTestPlayTest, AClickPlaysTheFileFromItsStartAndASecondClickClosesTheDevice) {
    play.Toggle(kSound);
    EXPECT_TRUE(play.Playing());
    EXPECT_EQ(device.open.size(), 1u);
    play.Toggle(kSound);
    EXPECT_FALSE(play.Playing());
    EXPECT_TRUE(device.open.empty());
    EXPECT_EQ(device.calls, (std::vector<std::string>{"open C:\\Sounds\\chime.wav", "play 1", "close 1"}));
    EXPECT_TRUE(failures.empty());
}

TEST_F(WaveTestPlayTest, AnEmptyPathDoesNothingAndAMissingFileIsNamedInAWarning) {
    play.Toggle("");
    EXPECT_TRUE(failures.empty());
    play.Toggle("C:\\gone.wav");
    play.PlayNow("C:\\gone.wav");
    EXPECT_FALSE(play.Playing());
    EXPECT_TRUE(device.calls.empty());
    EXPECT_EQ(failures, Failures(2, {TestPlayProblem::FileMissing, "C:\\gone.wav"}));
}

TEST_F(WaveTestPlayTest, ThePlayRunningToItsEndClosesTheDeviceButALateReportChangesNothing) {
    play.Toggle(kSound);
    play.Finished(1);
    EXPECT_FALSE(play.Playing());
    EXPECT_TRUE(device.open.empty());
    play.Finished(1); // the report of a play already stopped must not start it again
    EXPECT_FALSE(play.Playing());
    play.Toggle(kSound);
    play.Finished(1); // a report about the first device, which is closed
    EXPECT_TRUE(play.Playing());
    EXPECT_EQ(device.open, std::set<uint32_t>{2});
}

TEST_F(WaveTestPlayTest, APlayThatFailsOnItsWayIsClosedAndReported) {
    play.Toggle(kSound);
    play.Failed(2); // not the open device
    EXPECT_TRUE(play.Playing());
    EXPECT_TRUE(failures.empty());
    play.Failed(1);
    EXPECT_FALSE(play.Playing());
    EXPECT_TRUE(device.open.empty());
    EXPECT_EQ(failures, Failures(1, {TestPlayProblem::PlayFailed, ""}));
    EXPECT_EQ(shown, (std::vector<std::string>{"stop icon after 0", "play icon after 0"}))
        << "the button shows play again before the message";
}

TEST_F(WaveTestPlayTest, PlayNowStartsAgainFromTheBeginningAndStopOnDestroyClosesTheDevice) {
    play.PlayNow(kSound);
    play.PlayNow(kSound);
    EXPECT_TRUE(play.Playing());
    EXPECT_EQ(device.calls, (std::vector<std::string>{"open C:\\Sounds\\chime.wav", "play 1", "close 1",
                                                      "open C:\\Sounds\\chime.wav", "play 2"}));
    play.Stop();
    EXPECT_FALSE(play.Playing());
    EXPECT_TRUE(device.open.empty());
    play.Stop();
    EXPECT_EQ(device.calls.back(), "close 2") << "stopping while idle asks nothing of the device";
}

TEST_F(WaveTestPlayTest, AFailedOpenShowsTheSystemTextAndLeavesNothingOpen) {
    device.openError = 275;
    play.Toggle(kSound);
    EXPECT_FALSE(play.Playing());
    EXPECT_TRUE(device.open.empty());
    EXPECT_EQ(failures, Failures(1, {TestPlayProblem::DeviceError, "error 275"}));
}

TEST_F(WaveTestPlayTest, AFailedPlayClosesTheDeviceAndShowsTheSystemText) {
    device.playError = 326;
    play.Toggle(kSound);
    EXPECT_FALSE(play.Playing());
    EXPECT_TRUE(device.open.empty());
    EXPECT_EQ(device.calls.back(), "close 1");
    EXPECT_EQ(failures, Failures(1, {TestPlayProblem::DeviceError, "error 326"}));
}

TEST_F(WaveTestPlayTest, AFailedCloseIsReportedAndTheButtonReturnsToIdle) {
    play.Toggle(kSound);
    device.closeError = FakeWaveDevice::kSilentError;
    play.Toggle(kSound);
    EXPECT_FALSE(play.Playing());
    EXPECT_EQ(failures, Failures(1, {TestPlayProblem::DeviceError, ""})) << "the device has no text for it";
}

} // namespace
} // namespace pelaconf
