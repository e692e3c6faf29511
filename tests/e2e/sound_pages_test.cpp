// The external program and WAVE pages through the real program: what OK refuses and what it
// saves, and the WAVE test play on a machine without a sound device.
#include "driver.h"
#include "journey_helpers.h"
#include "platform/wave_device_win.h"
#include "resource.h"
#include "settings_window_fixture.h"
#include "tiny_wave.h"

#include <gtest/gtest.h>

#include <mmsystem.h>

namespace pelaconf::driver {
namespace {

class SoundPagesTest : public SettingsWindowFixture {
protected:
    // The icon the test-play button shows now.
    LPARAM TestPlayIcon() const {
        return SendMessageW(Page(IDD_WAVE).Item(IDC_WAVE_TEST_PLAY), BM_GETIMAGE, IMAGE_ICON, 0);
    }
    // A window of the program with the title, once it is shown.
    std::optional<RemoteWindow> WaitForWindowTitled(const std::string& title) const {
        std::optional<RemoteWindow> found;
        WaitUntil([&] {
            for (HWND handle : pelaconf->VisibleWindows()) {
                if (RemoteWindow(handle).Text() == title) {
                    found.emplace(handle);
                }
            }
            return found.has_value();
        });
        return found;
    }
    // Presses OK, expects the warning and waits until it has gone and the page is shown again.
    void OkIsRefusedWith(const std::string& warning, int templateId) const {
        window->Click(IDOK);
        ASSERT_TRUE(pelaconf->Answer(warning, IDOK)) << warning;
        EXPECT_TRUE(WaitUntil([&] { return Page(templateId).IsVisible(); }));
        EXPECT_TRUE(Unchanged());
    }
};

TEST_F(SoundPagesTest, AProgramIsNeededForACheckedBoxButNotLookedForOnDiskAndMustFitTheSettingsFile) {
    Start(FolderLine());
    ShowPage("外部プログラム実行", IDD_EXTERNAL_PROGRAM);
    const RemoteWindow page = Page(IDD_EXTERNAL_PROGRAM);
    EXPECT_EQ(
        page.ItemText(IDC_HELP_TEXT).rfind("壁紙変更時に実行するファイルのフルパス（引数可）を入力して下さい。\n", 0),
        0u);
    page.Click(IDC_EXEC_ON_TIMER);
    OkIsRefusedWith("実行ファイルパスを入力して下さい", IDD_EXTERNAL_PROGRAM);
    page.SetItemText(IDC_EXEC_PATH, "C:\\도구\\run.exe");
    OkIsRefusedWith("実行ファイルパスに設定ファイルへ保存できない文字が含まれています。\n"
                    "Shift-JISで表せる文字だけのパスを指定して下さい。",
                    IDD_EXTERNAL_PROGRAM);
    const std::string command = FolderPath() + "\\no such program.exe /quiet";
    page.SetItemText(IDC_EXEC_PATH, command);
    SaveWithOk(); // the restart question comes first: no warning about the missing program
    EXPECT_TRUE(FileHasLine(folder, "[Timer_Exec_Path]=" + command));
    EXPECT_TRUE(FileHasLine(folder, "[Timer_Exec1_Start]=0"));
    EXPECT_TRUE(FileHasLine(folder, "[Timer_Exec2_Use]=1"));
}

// With no wallpaper folder stored no other page counts its loading as a change.
TEST_F(SoundPagesTest, AStoredPathCountsAsAChangeFromTheStartAndAnEmptyOneDoesNot) {
    for (const char* key : {"[Timer_Exec_Path]=", "[Timer_Wave_Path]="}) {
        Start(std::string("[Wall_Dir_Path]=\r\n") + key + "C:\\sound or program\r\n");
        CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
    }
    Start("[Wall_Dir_Path]=\r\n");
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::NotAsked);
}

TEST_F(SoundPagesTest, ACheckedBoxNeedsAnExistingWaveFileWhosePathTheSettingsFileCanHold) {
    Start(FolderLine());
    ShowPage("WAVEの演奏", IDD_WAVE);
    const RemoteWindow page = Page(IDD_WAVE);
    page.SetItemText(IDC_WAVE_PATH, FolderPath() + "\\gone.wav");
    page.Click(IDC_WAVE_TEST_PLAY);
    ASSERT_TRUE(pelaconf->Answer(FolderPath() + "\\gone.wav\nこのファイルは存在しません。", IDOK));
    page.Click(IDC_WAVE_ON_MANUAL_CHANGE);
    OkIsRefusedWith("WAVEファイルは存在しません", IDD_WAVE);
    folder.Write("소리.wav", TinyWaveFile());
    page.SetItemText(IDC_WAVE_PATH, WideToUtf8(folder.PathOf("소리.wav")));
    OkIsRefusedWith("WAVEファイルパスに設定ファイルへ保存できない文字が含まれています。\n"
                    "Shift-JISで表せる文字だけのパスを指定して下さい。",
                    IDD_WAVE);
    folder.Write("chime.wav", TinyWaveFile());
    page.SetItemText(IDC_WAVE_PATH, FolderPath() + "\\chime.wav");
    SaveWithOk();
    EXPECT_TRUE(FileHasLine(folder, "[Timer_Wave_Path]=" + FolderPath() + "\\chime.wav"));
    EXPECT_TRUE(FileHasLine(folder, "[Timer_Wave3_Use]=1"));
}

TEST_F(SoundPagesTest, TheFileDialogPutsTheChosenFileIntoTheField) {
    folder.Write("鐘.wav", TinyWaveFile());
    Start(FolderLine());
    ShowPage("WAVEの演奏", IDD_WAVE);
    Page(IDD_WAVE).Click(IDC_FILE_BROWSE);
    const auto dialog = WaitForWindowTitled("WAVEファイル選択");
    ASSERT_TRUE(dialog) << "no file dialog";
    const std::string chosen = WideToUtf8(folder.PathOf("鐘.wav"));
    constexpr int kFileNameBox = 1148; // the dialog's file-name combo box
    dialog->SetItemText(kFileNameBox, chosen);
    dialog->Click(IDOK);
    EXPECT_TRUE(WaitUntil([&] { return Page(IDD_WAVE).ItemText(IDC_WAVE_PATH) == chosen; }));
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

TEST_F(SoundPagesTest, TestPlayWithAnEmptyPathDoesNothing) {
    Start(FolderLine());
    ShowPage("WAVEの演奏", IDD_WAVE);
    const RemoteWindow page = Page(IDD_WAVE);
    const LPARAM playIcon = TestPlayIcon();
    ASSERT_NE(playIcon, 0);
    page.Click(IDC_WAVE_TEST_PLAY);
    page.Click(IDC_WAVE_AT_START);
    // The clicks are taken in order, so when OK's warning is up the test play has been handled.
    window->Click(IDOK);
    const auto warning = pelaconf->WaitForMessageBox("WAVEファイルパスを入力して下さい");
    ASSERT_TRUE(warning);
    EXPECT_EQ(pelaconf->MessageBoxes().size(), 1u) << "the test play showed a message";
    EXPECT_EQ(TestPlayIcon(), playIcon);
    ASSERT_TRUE(warning->Press(IDOK));
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

TEST_F(SoundPagesTest, AFileTheSystemCannotPlayIsRefusedWithTheSystemsOwnText) {
    folder.Write("壊れた.wav", "not a sound");
    const std::string path = WideToUtf8(folder.PathOf("壊れた.wav"));
    MciWaveDevice device(nullptr);
    uint32_t opened = 0;
    const uint32_t error = device.Open(path, opened);
    ASSERT_NE(error, 0u) << "the system opened a file that holds no sound";
    const std::string systemText = device.ErrorText(error);
    ASSERT_FALSE(systemText.empty());
    Start(FolderLine());
    ShowPage("WAVEの演奏", IDD_WAVE);
    const LPARAM playIcon = TestPlayIcon();
    Page(IDD_WAVE).SetItemText(IDC_WAVE_PATH, path);
    Page(IDD_WAVE).Click(IDC_WAVE_TEST_PLAY);
    ASSERT_TRUE(pelaconf->Answer(systemText, IDOK)) << systemText;
    EXPECT_EQ(TestPlayIcon(), playIcon);
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

// A winmm.dll left beside the program, where a downloads folder may hold one, is never loaded:
// the multimedia library comes from the system's folder when the test play first needs it. (Wine
// would load its own library in place of the file, but under the file's name.)
TEST_F(SoundPagesTest, AWinmmDllBesideTheProgramIsNeverLoaded) {
    ASSERT_TRUE(CopyFileW((BuildFolder() + L"\\planted\\winmm.dll").c_str(), folder.PathOf("winmm.dll").c_str(), FALSE));
    folder.Write("壊れた.wav", "not a sound");
    const std::string path = WideToUtf8(folder.PathOf("壊れた.wav"));
    MciWaveDevice device(nullptr);
    uint32_t opened = 0;
    const std::string systemText = device.ErrorText(device.Open(path, opened));
    Start(FolderLine());
    ShowPage("WAVEの演奏", IDD_WAVE);
    Page(IDD_WAVE).SetItemText(IDC_WAVE_PATH, path);
    Page(IDD_WAVE).Click(IDC_WAVE_TEST_PLAY);
    EXPECT_TRUE(pelaconf->Answer(systemText, IDOK)) << "the system's library did not answer";
    EXPECT_FALSE(folder.Exists("winmm.dll-loaded.txt")) << "the DLL beside the program ran";
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    std::wstring expected = std::wstring(system) + L"\\winmm.dll";
    CharLowerBuffW(expected.data(), static_cast<DWORD>(expected.size()));
    EXPECT_EQ(WideToUtf8(pelaconf->ModulePath(L"winmm.dll")), WideToUtf8(expected));
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

// Without a sound device the system takes the play and then reports that it failed.
TEST_F(SoundPagesTest, APlayWithoutASoundDeviceIsReportedAndTheButtonShowsPlayAgain) {
    if (waveOutGetNumDevs() != 0) {
        GTEST_SKIP() << "this machine has a sound device";
    }
    folder.Write("音.wav", TinyWaveFile());
    Start(FolderLine());
    ShowPage("WAVEの演奏", IDD_WAVE);
    const LPARAM playIcon = TestPlayIcon();
    Page(IDD_WAVE).SetItemText(IDC_WAVE_PATH, WideToUtf8(folder.PathOf("音.wav")));
    Page(IDD_WAVE).Click(IDC_WAVE_TEST_PLAY);
    ASSERT_TRUE(pelaconf->Answer("WAVEファイルの演奏に失敗しました", IDOK));
    EXPECT_TRUE(WaitUntil([&] { return TestPlayIcon() == playIcon; }));
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

} // namespace
} // namespace pelaconf::driver
