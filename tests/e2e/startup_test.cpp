// Starting the real Pelaconf.exe: the settings file written at start, single instance, and the
// command-line image path.
#include "driver.h"
#include "journey_helpers.h"
#include "resource.h"
#include "settings/code_page.h"
#include "win/wide_text.h"

#include "default_settings_text.h"
#include "flat_picture.h"
#include "image/bmp_codec.h"

#include <gtest/gtest.h>

namespace pelaconf::driver {
namespace {

// The default file for a program installed in `folder`, as it lies on disk.
std::string DefaultFileFor(const std::wstring& folder) { return DefaultSettingsFile(WideToUtf8(folder)); }

// A start without Pelavine.ini: the settings window, once the first-run wizard over it is cancelled.
std::optional<RemoteWindow> FirstRunWindow(const PelaconfProcess& pelaconf) {
    const auto window = pelaconf.WaitForSettingsWindow();
    const auto wizard = pelaconf.WaitForWizard();
    if (!window || !wizard || !pelaconf.CancelWizard(*wizard)) {
        return std::nullopt;
    }
    return window;
}

TEST(Startup, FirstStartCreatesTheDefaultSettingsFile) {
    const InstallFolder folder(TestName());
    const PelaconfProcess pelaconf(folder);
    const auto window = FirstRunWindow(pelaconf);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->Text(), "Pelavine 設定");
    EXPECT_EQ(folder.Read("Pelavine.ini"), DefaultFileFor(folder.Path()));
    CloseWithCancel(pelaconf, *window, DiscardQuestion::Asked);
}

TEST(Startup, TheSettingsWindowShowsTheCategoryTree) {
    const InstallFolder folder(TestName());
    const PelaconfProcess pelaconf(folder);
    const auto window = FirstRunWindow(pelaconf);
    ASSERT_TRUE(window);
    const std::vector<std::string> expected{"基本設定",
                                            "壁紙フォルダ",
                                            "起動",
                                            "表示順",
                                            "表示位置",
                                            "自動壁紙変更",
                                            "タイマ",
                                            "外部プログラム実行",
                                            "WAVEの演奏",
                                            "タイマ停止",
                                            "詳細設定",
                                            "Susieプラグイン",
                                            "タスクトレイアイコン",
                                            "デスクトップアイコン",
                                            "ホットキー",
                                            "その他",
                                            "壁紙変更",
                                            "バージョン"};
    EXPECT_EQ(window->TreeLabels(IDC_CATEGORY_TREE), expected);
    EXPECT_EQ(window->SelectedTreeLabel(IDC_CATEGORY_TREE), "基本設定");
    ASSERT_TRUE(window->SelectTreeItem(IDC_CATEGORY_TREE, "表示順"));
    EXPECT_TRUE(WaitUntil([&] { return window->SelectedTreeLabel(IDC_CATEGORY_TREE) == "表示順"; }));
    EXPECT_EQ(window->ItemText(IDOK), "OK");
    EXPECT_EQ(window->ItemText(IDCANCEL), "キャンセル");
    EXPECT_EQ(window->ItemText(IDC_APPLY), "適用(&A)");
    CloseWithCancel(pelaconf, *window, DiscardQuestion::Asked);
}

TEST(Startup, AJapaneseInstallFolderIsWrittenInShiftJis) {
    const InstallFolder folder("表示ソフト" + TestName());
    const PelaconfProcess pelaconf(folder);
    const auto window = FirstRunWindow(pelaconf);
    ASSERT_TRUE(window);
    const std::string written = folder.Read("Pelavine.ini").value_or("");
    EXPECT_EQ(written, DefaultFileFor(folder.Path()));
    EXPECT_NE(written.find("\x95\x5C\x8E\xA6\x83\x5C\x83\x74\x83\x67"), std::string::npos);
    CloseWithCancel(pelaconf, *window, DiscardQuestion::Asked);
}

TEST(Startup, AnExistingFileIsRewrittenInTableOrderWithoutUnknownKeys) {
    const InstallFolder folder(TestName());
    const std::string japanesePath = "D:\\\x95\x5C\x8E\xA6\\\x83\x5C\x83\x74\x83\x67"; // D:\表示\ソフト
    folder.Write("Pelavine.ini", "[SetupDlg_Fade]=0\n[Old_Key]=1\n  [Turn_Type]=3  \n[SPI]=jpg.01.C:\\a.spi\n"
                                 "[Start_Exec_Type]=7\n[Rect_Fit]=-3\n[Wall_Dir_Path]=" +
                                     japanesePath + "\n[Timer_Exec_Path]=\x81\x20\xFF\n");
    const PelaconfProcess pelaconf(folder);
    const auto window = pelaconf.WaitForSettingsWindow();
    ASSERT_TRUE(window);

    std::string expected = DefaultFileFor(folder.Path());
    const auto replace = [&expected](const std::string& from, const std::string& to) {
        expected.replace(expected.find(from), from.size(), to);
    };
    replace("[Wall_Dir_Path]=" + *EncodeShiftJis(WideToUtf8(folder.Path())), "[Wall_Dir_Path]=" + japanesePath);
    replace("[Turn_Type]=0", "[Turn_Type]=3");
    replace("[Start_Exec_Type]=0", "[Start_Exec_Type]=1"); // flags are written as 1 or 0
    replace("[Rect_Fit]=0", "[Rect_Fit]=1");
    replace("[Timer_Exec_Path]=", "[Timer_Exec_Path]=\x81\x20\xFF");
    expected += "[SPI]=jpg.01.C:\\a.spi\r\n";
    EXPECT_EQ(folder.Read("Pelavine.ini"), expected);
    CloseWithCancel(pelaconf, *window, DiscardQuestion::Asked);
}

// A plug-in entry whose priority is no number is still one plug-in's entry: the start's rewrite
// keeps it as it stands rather than cutting the priority out.
TEST(Startup, APluginEntryWithAnUnreadablePriorityIsWrittenBackAsItWasRead) {
    const InstallFolder folder(TestName());
    folder.Write("Pelavine.ini", "[SPI]=jpg.x1.C:\\a.spi\r\n[SPI]=jpg.5.C:\\b.spi\r\n");
    const PelaconfProcess pelaconf(folder);
    const auto window = pelaconf.WaitForSettingsWindow();
    ASSERT_TRUE(window);
    EXPECT_EQ(folder.Read("Pelavine.ini"),
              DefaultFileFor(folder.Path()) + "[SPI]=jpg.x1.C:\\a.spi\r\n[SPI]=jpg.00.5.C:\\b.spi\r\n");
    CloseWithCancel(pelaconf, *window, DiscardQuestion::Asked);
}

TEST(Startup, AnUnwritableSettingsFileIsReportedAndTheWindowStillOpens) {
    const InstallFolder folder(TestName());
    folder.Write("Pelavine.ini", "[Turn_Type]=2\r\n");
    ASSERT_TRUE(SetFileAttributesW(folder.PathOf("Pelavine.ini").c_str(), FILE_ATTRIBUTE_READONLY));
    const PelaconfProcess pelaconf(folder);
    const auto message = pelaconf.WaitForMessageBoxAlone("設定ファイルの保存に失敗しました。");
    ASSERT_TRUE(message) << "the message comes before the window";
    ASSERT_TRUE(message->Press(IDOK));
    const auto window = pelaconf.WaitForSettingsWindow();
    ASSERT_TRUE(window);
    CloseWithCancel(pelaconf, *window, DiscardQuestion::Asked);
    SetFileAttributesW(folder.PathOf("Pelavine.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(folder.Read("Pelavine.ini"), "[Turn_Type]=2\r\n");
}

constexpr char kFolderRefusesFiles[] =
    "このフォルダには書き込めません。Pelaconf と Pelavine を、書き込めるフォルダ（Program Files の外など）に置いてください。";

// Where Windows keeps the copy of a file it redirects for old programs, as the test makes one.
std::wstring RedirectedCopyOf(const std::wstring& file) {
    wchar_t local[MAX_PATH] = {};
    GetEnvironmentVariableW(L"LOCALAPPDATA", local, MAX_PATH);
    return std::wstring(local) + L"\\VirtualStore" + file.substr(2);
}

void MakeFileWithFolders(const std::wstring& path, const std::string& bytes) {
    for (size_t at = path.find(L'\\', 3); at != std::wstring::npos; at = path.find(L'\\', at + 1)) {
        CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
    }
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

// A program put where it may not write, as under Program Files: the start says so once, with the
// folder, and with the copy Windows made for Pelavine, then opens the window as always.
TEST(Startup, AFolderThatTakesNoFileIsNamedOnceWithTheRemedyAndTheRedirectedCopy) {
    const InstallFolder folder(TestName());
    folder.Write("Pelavine.ini", "[Turn_Type]=2\r\n");
    const std::wstring redirected = RedirectedCopyOf(folder.PathOf("Pelavine.ini"));
    MakeFileWithFolders(redirected, "[Turn_Type]=1\r\n");
    const ImmutableFolder immutable(folder.Path());
    if (!immutable.Made()) {
        DeleteFileW(redirected.c_str());
        GTEST_SKIP() << "the folder cannot be made immutable here (chattr needs root)";
    }
    const PelaconfProcess pelaconf(folder);
    const auto message = pelaconf.WaitForMessageBoxAlone(
        "設定ファイルの保存に失敗しました。\n" + WideToUtf8(folder.Path()) + "\n" + kFolderRefusesFiles +
        "\nPelavine は、Windows が代わりに作った次の設定ファイルを読んでいるかもしれません。\n" + WideToUtf8(redirected));
    DeleteFileW(redirected.c_str());
    ASSERT_TRUE(message) << "no message naming the folder, or another window first";
    ASSERT_TRUE(message->Press(IDOK));
    const auto window = pelaconf.WaitForSettingsWindow();
    ASSERT_TRUE(window);
    EXPECT_TRUE(pelaconf.MessageBoxes().empty()) << "said more than once";
    CloseWithCancel(pelaconf, *window, DiscardQuestion::Asked);
    EXPECT_EQ(folder.Read("Pelavine.ini"), "[Turn_Type]=2\r\n");
}

TEST(Startup, OnTheCommandLineAFolderThatTakesNoWallpaperIsNamedWithTheRemedy) {
    const InstallFolder folder(TestName());
    folder.Write("Pelavine.ini", "# Pelavine Version 1.2\r\n");
    folder.Write("picture.bmp", EncodeBmp24(FlatPicture(64, 48, 0xFF3366CCu)));
    const ImmutableFolder immutable(folder.Path());
    if (!immutable.Made()) {
        GTEST_SKIP() << "the folder cannot be made immutable here (chattr needs root)";
    }
    const PelaconfProcess pelaconf(folder, L"\"" + folder.PathOf("picture.bmp") + L"\"");
    const auto message = pelaconf.WaitForMessageBoxAlone("画像ファイルの保存に失敗しました。\n" + WideToUtf8(folder.Path()) +
                                                         "\n" + kFolderRefusesFiles);
    ASSERT_TRUE(message) << "no message naming the folder, or a window";
    ASSERT_TRUE(message->Press(IDOK));
    EXPECT_TRUE(pelaconf.EndsWithoutShowingAWindow());
    EXPECT_FALSE(folder.Exists("Wallpaper.bmp"));
}

// A file another program holds open without sharing: it is there but cannot be read, and the
// defaults must not replace it.
TEST(Startup, ALockedSettingsFileIsReportedAndKeepsItsBytes) {
    const InstallFolder folder(TestName());
    const std::string original = "[Turn_Type]=2\r\n[Wall_Dir_Path]=D:\\\x95\x5C\r\n";
    folder.Write("Pelavine.ini", original);
    HANDLE lock = CreateFileW(folder.PathOf("Pelavine.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    const PelaconfProcess pelaconf(folder);
    const auto message = pelaconf.WaitForMessageBoxAlone(
        "設定ファイルの読み込みに失敗しました。\n保存するまで設定ファイルは変更されません。");
    ASSERT_TRUE(message);
    ASSERT_TRUE(message->Press(IDOK));
    const auto window = pelaconf.WaitForSettingsWindow();
    ASSERT_TRUE(window) << "no first-run wizard timer, just the window";
    CloseWithCancel(pelaconf, *window, DiscardQuestion::Asked);
    CloseHandle(lock);
    EXPECT_EQ(folder.Read("Pelavine.ini"), original);
}

TEST(Startup, ASecondStartRestoresTheFirstWindowAndEnds) {
    const InstallFolder folder(TestName());
    const PelaconfProcess first(folder);
    const auto window = FirstRunWindow(first);
    ASSERT_TRUE(window);
    PostMessageW(window->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitUntil([&] { return window->IsMinimised(); }));

    folder.Remove("Pelavine.ini");
    const PelaconfProcess second(folder, L"/nochange");
    ASSERT_TRUE(second.EndsWithoutShowingAWindow());
    EXPECT_TRUE(WaitUntil([&] { return !window->IsMinimised(); }));
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window->Handle(); }));
    EXPECT_TRUE(folder.Exists("Pelavine.ini")) << "the second start writes the file before it ends";
    // The first keeps running: it still acts on a click, queued after whatever the second sent it.
    ASSERT_TRUE(window->SelectTreeItem(IDC_CATEGORY_TREE, "表示順"));
    EXPECT_TRUE(WaitUntil([&] { return window->SelectedTreeLabel(IDC_CATEGORY_TREE) == "表示順"; }));
    CloseWithCancel(first, *window, DiscardQuestion::Asked);
}

TEST(Startup, AnImagePathRunsWithoutTheSettingsWindowAndWithoutWritingTheFile) {
    const InstallFolder folder(TestName());
    const PelaconfProcess pelaconf(folder, L"/x \"\" \"C:\\My Pictures\\a.jpg\"");
    const auto message = pelaconf.WaitForMessageBoxAlone("画像ファイルが存在しません。");
    ASSERT_TRUE(message) << "the switch and the empty argument are skipped and the quoted path taken whole";
    ASSERT_TRUE(message->Press(IDOK));
    ASSERT_TRUE(pelaconf.EndsWithoutShowingAWindow());
    EXPECT_FALSE(folder.Exists("Pelavine.ini"));
    EXPECT_TRUE(folder.PelavineStarts().empty());
}

TEST(Startup, SwitchesAndEmptyArgumentsAloneStartTheSettingsWindowCentredOnTheScreen) {
    const InstallFolder folder(TestName());
    const PelaconfProcess pelaconf(folder, L"/nochange \"\" -x");
    const auto window = FirstRunWindow(pelaconf);
    ASSERT_TRUE(window);
    EXPECT_TRUE(folder.Exists("Pelavine.ini"));
    RECT area{};
    GetWindowRect(window->Handle(), &area);
    EXPECT_NEAR((area.left + area.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 3);
    EXPECT_NEAR((area.top + area.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 3);
    CloseWithCancel(pelaconf, *window, DiscardQuestion::Asked);
}

} // namespace
} // namespace pelaconf::driver
