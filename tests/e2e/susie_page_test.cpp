// The Susie page and the priority dialog through the real program, with our own test plug-ins:
// a refresh that finds a new plug-in, moving it up and saving, Cancel in the dialog, a refresh
// that finds nothing new, a plug-in that is no import filter, folders the page refuses, and Susie's
// folder from the registry.
#include "driver.h"
#include "journey_helpers.h"
#include "resource.h"
#include "settings_window_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace pelaconf::driver {
namespace {

using Names = std::vector<std::string>;

constexpr char kNothingNewMessage[] = "新しいSusieプラグインは検出されませんでした。";
constexpr char kPluginA[] = "pnm_as_jpg_a.spi";     // *.jpg
constexpr char kPluginB[] = "pnm_as_jpg_b.spi";     // *.jpg
constexpr char kPluginJp[] = "pnm_as_jpg_png.spi";  // *.jpg;*.png
constexpr char kNoFilter[] = "pnm_wrong_version.spi"; // loads, but is no import filter
constexpr wchar_t kSusieKey[] = L"Software\\Halvecor\\Susie\\Plug-in";
constexpr char kNotStorableMessage[] = "Susieプラグインフォルダパスに設定ファイルへ保存できない文字が含まれています。\n"
                                       "Shift-JISで表せる文字だけのフォルダを指定して下さい。";

class SusiePageTest : public SettingsWindowFixture {
protected:
    SusiePageTest() { folder.MakeFolder("Susie"); }

    std::string SusieFolder() const { return WideToUtf8(folder.PathOf("Susie")); }
    std::string PluginPath(const std::string& name) const { return SusieFolder() + "\\" + name; }
    void CopyPlugin(const std::string& name) const {
        ASSERT_TRUE(CopyFileW((BuildFolder() + L"\\test-plugins\\" + Utf8ToWide(name)).c_str(),
                              folder.PathOf("Susie\\" + name).c_str(), FALSE))
            << name;
    }
    // Susie in use with its folder, and a catalogue line per entry ("jpg.00.<file name>").
    std::string SusieLines(const Names& entries) const {
        std::string lines = FolderLine() + "[Susie_Use]=1\r\n[Susie_Dir_Path]=" + SusieFolder() + "\r\n";
        for (const auto& entry : entries) {
            lines += "[SPI]=" + entry.substr(0, 7) + PluginPath(entry.substr(7)) + "\r\n";
        }
        return lines;
    }
    bool HasPluginLine(const std::string& entry) const {
        return FileHasLine(folder, "[SPI]=" + entry.substr(0, 7) + PluginPath(entry.substr(7)));
    }
    // A and B known for jpg, then the plug-in for jpg and png copied in beside them.
    void StartWithANewPlugin() {
        CopyPlugin(kPluginA);
        CopyPlugin(kPluginB);
        Start(SusieLines({"jpg.00.pnm_as_jpg_a.spi", "jpg.01.pnm_as_jpg_b.spi"}));
        CopyPlugin(kPluginJp);
        ShowPage("Susieプラグイン", IDD_SUSIE);
    }
    // Runs the refresh, expects it to report a change and returns the priority dialog it opens.
    std::optional<RemoteWindow> RefreshWithChange() const {
        Page(IDD_SUSIE).Click(IDC_SUSIE_REFRESH);
        EXPECT_TRUE(pelaconf->Answer(expected::kPluginsChangedMessage, IDOK)) << "the refresh did not report the change";
        return pelaconf->WaitForWindowTitled(expected::kPriorityDialogTitle);
    }
    static bool ShowsPlugins(const RemoteWindow& dialog, const Names& names) {
        return WaitUntil([&] { return dialog.ListBoxTexts(IDC_PRIORITY_PLUGINS) == names; });
    }
    static void ChooseJpg(const RemoteWindow& dialog) {
        ASSERT_TRUE(dialog.ChooseListBoxItem(IDC_PRIORITY_EXTENSIONS, ".JPG"));
        ASSERT_TRUE(ShowsPlugins(dialog, {kPluginA, kPluginB, kPluginJp})) << "the new plug-in comes last";
    }
    static void MoveNewPluginUp(const RemoteWindow& dialog) {
        ASSERT_TRUE(dialog.ChooseListBoxItem(IDC_PRIORITY_PLUGINS, kPluginJp));
        ASSERT_TRUE(WaitUntil([&] { return !dialog.ItemText(IDC_PRIORITY_INFORMATION).empty(); }));
        EXPECT_EQ(dialog.ItemText(IDC_PRIORITY_INFORMATION), "Test images JP\nTest filter JP 1.0");
        EXPECT_TRUE(dialog.IsItemEnabled(IDC_PRIORITY_UP));
        EXPECT_FALSE(dialog.IsItemEnabled(IDC_PRIORITY_DOWN)) << "the last cannot go down";
        dialog.Click(IDC_PRIORITY_UP);
        ASSERT_TRUE(ShowsPlugins(dialog, {kPluginA, kPluginJp, kPluginB}));
        EXPECT_EQ(dialog.SelectedListBoxText(IDC_PRIORITY_PLUGINS), kPluginJp) << "the selection follows";
    }
    static void Close(const RemoteWindow& dialog, int buttonId) {
        dialog.Click(buttonId);
        ASSERT_TRUE(WaitUntil([&] { return !dialog.Exists(); })) << "the dialog did not close";
    }
};

TEST_F(SusiePageTest, ARefreshFindsTheNewPluginLastAndMovingItUpIsSavedWithOk) {
    StartWithANewPlugin();
    const auto dialog = RefreshWithChange();
    ASSERT_TRUE(dialog) << "the refresh did not open the priority dialog";
    EXPECT_EQ(dialog->ListBoxTexts(IDC_PRIORITY_EXTENSIONS), (Names{"全てのSPI", ".JPG", ".PNG"}));
    EXPECT_EQ(dialog->ListBoxTexts(IDC_PRIORITY_PLUGINS), (Names{kPluginA, kPluginB, kPluginJp}));
    EXPECT_FALSE(dialog->IsItemEnabled(IDC_PRIORITY_UP)) << "nothing moves among all plug-ins";
    ASSERT_TRUE(dialog->ChooseListBoxItem(IDC_PRIORITY_EXTENSIONS, ".PNG"));
    ASSERT_TRUE(ShowsPlugins(*dialog, {kPluginJp}));
    ChooseJpg(*dialog);
    MoveNewPluginUp(*dialog);
    Close(*dialog, IDOK);

    SaveWithOk();
    for (const char* entry : {"jpg.00.pnm_as_jpg_a.spi", "jpg.01.pnm_as_jpg_png.spi", "jpg.02.pnm_as_jpg_b.spi",
                              "png.00.pnm_as_jpg_png.spi"}) {
        EXPECT_TRUE(HasPluginLine(entry)) << entry;
    }
}

TEST_F(SusiePageTest, AFiltersRepeatedAndControlCharacterExtensionsAreLeftOutAndTheRestSaved) {
    CopyPlugin("pnm_unsound_filter.spi");
    Start(SusieLines({}));
    ShowPage("Susieプラグイン", IDD_SUSIE);
    const auto dialog = RefreshWithChange();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->ListBoxTexts(IDC_PRIORITY_EXTENSIONS), (Names{"全てのSPI", ".PNM", ".QNM"}));
    Close(*dialog, IDOK);
    SaveWithOk();
    const std::string file = folder.Read("Pelavine.ini").value_or("");
    EXPECT_TRUE(HasPluginLine("qnm.00.pnm_unsound_filter.spi"));
    EXPECT_TRUE(HasPluginLine("pnm.00.pnm_unsound_filter.spi"));
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), std::count(file.begin(), file.end(), '\r'))
        << "no line break inside a line";
    EXPECT_EQ(file.find("[SPI]=QNM"), std::string::npos);
    EXPECT_EQ(file.find("[SPI]=q\x01s"), std::string::npos);
}

TEST_F(SusiePageTest, CancelInTheDialogKeepsTheScannedOrderAndASecondRefreshFindsNothingNew) {
    StartWithANewPlugin();
    const auto dialog = RefreshWithChange();
    ASSERT_TRUE(dialog);
    ChooseJpg(*dialog);
    MoveNewPluginUp(*dialog);
    Close(*dialog, IDCANCEL);

    Page(IDD_SUSIE).Click(IDC_SUSIE_REFRESH);
    ASSERT_TRUE(pelaconf->Answer(kNothingNewMessage, IDOK));
    EXPECT_FALSE(pelaconf->WaitForWindowTitled(expected::kPriorityDialogTitle, 0ms)) << "nothing new opens no dialog";
    SaveWithOk();
    for (const char* entry : {"jpg.00.pnm_as_jpg_a.spi", "jpg.01.pnm_as_jpg_b.spi", "jpg.02.pnm_as_jpg_png.spi",
                              "png.00.pnm_as_jpg_png.spi"}) {
        EXPECT_TRUE(HasPluginLine(entry)) << entry;
    }
}

TEST_F(SusiePageTest, APluginThatIsNoImportFilterIsRefusedAndTheUseBoxEnablesTheButtons) {
    CopyPlugin(kNoFilter);
    CopyPlugin(kPluginA);
    Start(SusieLines({"jpg.00.pnm_wrong_version.spi", "jpg.01.pnm_as_jpg_a.spi"}));
    ShowPage("Susieプラグイン", IDD_SUSIE);
    const RemoteWindow page = Page(IDD_SUSIE);
    EXPECT_EQ(page.ItemText(IDC_SUSIE_FOLDER), SusieFolder());
    page.Click(IDC_SUSIE_USE);
    // The page turns its controls off one after another, so each is waited for.
    for (const int id :
         {IDC_SUSIE_PRIORITIES, IDC_SUSIE_FOLDER, IDC_SUSIE_INSTALL_FOLDER, IDC_SUSIE_BROWSE, IDC_SUSIE_REFRESH}) {
        EXPECT_TRUE(WaitUntil([&] { return !page.IsItemEnabled(id); })) << id;
    }
    page.Click(IDC_SUSIE_USE);
    ASSERT_TRUE(WaitUntil([&] { return page.IsItemEnabled(IDC_SUSIE_PRIORITIES); }));

    page.Click(IDC_SUSIE_PRIORITIES);
    const auto dialog = pelaconf->WaitForWindowTitled(expected::kPriorityDialogTitle);
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(dialog->ChooseListBoxItem(IDC_PRIORITY_PLUGINS, kNoFilter));
    ASSERT_TRUE(pelaconf->Answer("使用できないSusieプラグインです。", IDOK));
    EXPECT_EQ(dialog->ItemText(IDC_PRIORITY_INFORMATION), "");
    Close(*dialog, IDCANCEL);
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

// a and b share one priority, so no move exchanges anything; b's file has gone since the scan.
TEST_F(SusiePageTest, AMoveThatExchangesNothingIsNotShownAndAPluginThatFailsToLoadClearsTheInformation) {
    CopyPlugin(kPluginA);
    Start(SusieLines({"jpg.00.pnm_as_jpg_a.spi", "jpg.00.pnm_as_jpg_b.spi"}));
    ShowPage("Susieプラグイン", IDD_SUSIE);
    Page(IDD_SUSIE).Click(IDC_SUSIE_PRIORITIES);
    const auto dialog = pelaconf->WaitForWindowTitled(expected::kPriorityDialogTitle);
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(dialog->ChooseListBoxItem(IDC_PRIORITY_EXTENSIONS, ".JPG"));
    ASSERT_TRUE(ShowsPlugins(*dialog, {kPluginA, kPluginB}));
    ASSERT_TRUE(dialog->ChooseListBoxItem(IDC_PRIORITY_PLUGINS, kPluginA));
    ASSERT_TRUE(
        WaitUntil([&] { return dialog->ItemText(IDC_PRIORITY_INFORMATION) == "Test images A\nTest filter A 1.0"; }));
    EXPECT_FALSE(dialog->IsItemEnabled(IDC_PRIORITY_UP)) << "the first cannot go up";
    EXPECT_FALSE(dialog->IsItemEnabled(IDC_PRIORITY_DOWN)) << "an equal priority cannot be exchanged";

    ASSERT_TRUE(dialog->ChooseListBoxItem(IDC_PRIORITY_PLUGINS, kPluginB));
    ASSERT_TRUE(pelaconf->Answer("Susieプラグインのロードに失敗しました。", IDOK));
    EXPECT_EQ(dialog->ItemText(IDC_PRIORITY_INFORMATION), "") << "a's texts do not stay beside b";
    EXPECT_FALSE(dialog->IsItemEnabled(IDC_PRIORITY_UP));
    // Even a click that reaches the dialog moves nothing the list would show but OK not save.
    SendMessageW(dialog->Handle(), WM_COMMAND, MAKEWPARAM(IDC_PRIORITY_UP, BN_CLICKED),
                 reinterpret_cast<LPARAM>(dialog->Item(IDC_PRIORITY_UP)));
    EXPECT_EQ(dialog->ListBoxTexts(IDC_PRIORITY_PLUGINS), (Names{kPluginA, kPluginB}));
    Close(*dialog, IDOK);

    SaveWithOk();
    EXPECT_TRUE(HasPluginLine("jpg.00.pnm_as_jpg_a.spi"));
    EXPECT_TRUE(HasPluginLine("jpg.00.pnm_as_jpg_b.spi"));
}

// Susie's own folder as its installation leaves it in the registry.
void SetSusieRegistryPath(const std::wstring& path) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kSusieKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, L"Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                   static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

TEST_F(SusiePageTest, MissingOrUnstorableFoldersAreRefusedAndSusiesFolderComesFromTheRegistry) {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Halvecor");
    Start(FolderLine() + "[Susie_Use]=1\r\n");
    ShowPage("Susieプラグイン", IDD_SUSIE);
    const RemoteWindow page = Page(IDD_SUSIE);
    EXPECT_EQ(page.ItemText(IDC_SUSIE_FOLDER), "") << "Empty shows as an empty field";

    page.SetItemText(IDC_SUSIE_FOLDER, SusieFolder() + "\\missing");
    ASSERT_TRUE(window->SelectTreeItem(IDC_CATEGORY_TREE, "タスクトレイアイコン"));
    ASSERT_TRUE(pelaconf->Answer("Susieプラグインフォルダは存在しません", IDOK));
    EXPECT_TRUE(WaitUntil([&] { return page.IsVisible(); })) << "the refused page is shown again";
    folder.MakeFolder("Ảnh");
    page.SetItemText(IDC_SUSIE_FOLDER, WideToUtf8(folder.PathOf("Ảnh")));
    page.Click(IDC_SUSIE_REFRESH);
    ASSERT_TRUE(pelaconf->Answer(kNotStorableMessage, IDOK)) << "the refresh did not refuse the folder";
    ASSERT_TRUE(window->SelectTreeItem(IDC_CATEGORY_TREE, "タスクトレイアイコン"));
    ASSERT_TRUE(pelaconf->Answer(kNotStorableMessage, IDOK)) << "leaving the page did not refuse the folder";
    EXPECT_TRUE(WaitUntil([&] { return page.IsVisible(); }));
    page.SetItemText(IDC_SUSIE_FOLDER, "");
    page.Click(IDC_SUSIE_INSTALL_FOLDER);
    ASSERT_TRUE(pelaconf->Answer(
        "Susieプラグインフォルダの取得に失敗しました。\nSusieがインストールされていない可能性があります。", IDOK));
    EXPECT_EQ(page.ItemText(IDC_SUSIE_FOLDER), "");

    SetSusieRegistryPath(folder.PathOf("Ảnh"));
    page.Click(IDC_SUSIE_INSTALL_FOLDER);
    ASSERT_TRUE(pelaconf->Answer("Susieプラグインフォルダの取得に失敗しました。\n"
                                 "Susieのプラグインフォルダパスに設定ファイルへ保存できない文字が含まれています。",
                                 IDOK));
    EXPECT_EQ(page.ItemText(IDC_SUSIE_FOLDER), "");
    SetSusieRegistryPath(folder.PathOf("Susie"));
    page.Click(IDC_SUSIE_INSTALL_FOLDER);
    ASSERT_TRUE(pelaconf->Answer("Susieインストールフォルダの取得は正常終了しました。\n"
                                 "このフォルダにあるSusieプラグインを検出しますか？",
                                 IDYES));
    EXPECT_EQ(page.ItemText(IDC_SUSIE_FOLDER), SusieFolder());
    ASSERT_TRUE(pelaconf->Answer(kNothingNewMessage, IDOK)) << "Yes runs the refresh over the empty folder";
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Halvecor");

    SaveWithOk();
    EXPECT_TRUE(FileHasLine(folder, "[Susie_Dir_Path]=" + SusieFolder()));
}

} // namespace
} // namespace pelaconf::driver
