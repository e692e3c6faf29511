// Plug-ins that fault or never return, through the real program: each costs only its own call.
// The image is still made the wallpaper through a good plug-in, a refresh finishes with the good
// plug-ins, the browser and the priority dialog show their failure messages and keep working,
// and no Pelaconf or plug-in host is left running afterwards.
#include "driver.h"
#include "journey_helpers.h"
#include "resource.h"
#include "settings_window_fixture.h"

#include "image/bmp_codec.h"
#include "flat_picture.h"
#include "test_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pelaconf::driver {
namespace {

using Names = std::vector<std::string>;

constexpr char kBrowserLoadFailed[] = "プラグインのロードに失敗しました。";
constexpr char kPreviewFailed[] = "画像ファイルの表示に失敗しました。";
constexpr char kLoadFailed[] = "Susieプラグインのロードに失敗しました。";

// A 4 x 2 picture in the PNM format, which only the test plug-ins decode.
std::string SmallPixmap() { return std::string("P6\n4 2\n255\n") + std::string(4 * 2 * 3, '\x80'); }

void CopyPlugin(const InstallFolder& folder, const std::string& name) {
    ASSERT_TRUE(CopyFileW((BuildFolder() + L"\\test-plugins\\" + Utf8ToWide(name)).c_str(),
                          folder.PathOf("Susie\\" + name).c_str(), FALSE))
        << name;
}

// Susie in use with the folder "Susie" of the install folder holding the plug-ins, and a catalogue
// line per entry ("ppm.00.<file name>").
std::string SusieLines(const InstallFolder& folder, const Names& entries) {
    folder.MakeFolder("Susie");
    const std::string susie = WideToUtf8(folder.PathOf("Susie"));
    std::string lines = "[Susie_Use]=1\r\n[Susie_Dir_Path]=" + susie + "\r\n";
    for (const std::string& entry : entries) {
        CopyPlugin(folder, entry.substr(7));
        lines += "[SPI]=" + entry.substr(0, 7) + susie + "\\" + entry.substr(7) + "\r\n";
    }
    return lines;
}

TEST(FaultyPlugins, AnImageIsMadeTheWallpaperThroughTheGoodPluginBelowBrokenOnes) {
    const InstallFolder folder(TestName());
    folder.Write("Pelavine.ini", "# Pelavine Version 1.2\r\n" +
                                     SusieLines(folder, {"ppm.00.pnm_faults_in_supported.spi",
                                                         "ppm.01.pnm_faults_in_picture.spi",
                                                         "ppm.02.pnm_hangs_in_supported.spi", "ppm.03.pnm.spi"}));
    folder.Write("picture.ppm", SmallPixmap());
    {
        const PelaconfProcess pelaconf(folder, L"\"" + folder.PathOf("picture.ppm") + L"\"");
        ASSERT_TRUE(pelaconf.EndsWithoutShowingAWindow(40s)) << "a window was shown, or the program did not end";
    }
    const auto saved = folder.Read("Wallpaper.bmp");
    ASSERT_TRUE(saved);
    const auto header = ReadBmpHeader(*saved);
    EXPECT_EQ(header.header.width, 4);
    EXPECT_TRUE(folder.NoProgramOfItsOwnRuns());
}

class FaultyPluginsWindowTest : public SettingsWindowFixture {
protected:
    void EndsCleanly() { EXPECT_TRUE(folder.NoProgramOfItsOwnRuns()) << "Pelaconf or a plug-in host still runs"; }
};

TEST_F(FaultyPluginsWindowTest, ARefreshOverBrokenPluginsKeepsTheGoodOnesAndOkSavesEarlierChanges) {
    Start(FolderLine() + "[WaitDlg_Trans]=130\r\n" + SusieLines(folder, {"jpg.00.pnm_as_jpg_a.spi"}));
    ShowPage("その他", IDD_OTHER);
    const RemoteWindow other = Page(IDD_OTHER);
    other.Click(IDC_OTHER_WAIT_WINDOW);
    ASSERT_TRUE(WaitUntil([&] { return !other.IsItemEnabled(IDC_OTHER_TRANSPARENCY); }));
    for (const char* plugin : {"pnm_faults_in_info.spi", "pnm_hangs_in_info.spi", "pnm_as_jpg_b.spi"}) {
        CopyPlugin(folder, plugin);
    }
    ShowPage("Susieプラグイン", IDD_SUSIE);
    Page(IDD_SUSIE).Click(IDC_SUSIE_REFRESH);
    ASSERT_TRUE(pelaconf->Answer(expected::kPluginsChangedMessage, IDOK, 30s)) << "the refresh did not finish with its message";
    const auto dialog = pelaconf->WaitForWindowTitled(expected::kPriorityDialogTitle);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->ListBoxTexts(IDC_PRIORITY_PLUGINS), (Names{"pnm_as_jpg_a.spi", "pnm_as_jpg_b.spi"}));
    dialog->Click(IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !dialog->Exists(); }));
    SaveWithOk();
    EXPECT_TRUE(FileHasLine(folder, "[WaitDlg_Trans]=0")) << "the change made before the refresh is saved";
    EXPECT_TRUE(FileHasLine(folder, "[SPI]=jpg.01." + WideToUtf8(folder.PathOf("Susie\\pnm_as_jpg_b.spi"))));
    EndsCleanly();
}

TEST_F(FaultyPluginsWindowTest, AHostThatNeverReturnsEndsWithThePelaconfThatStartedIt) {
    Start(FolderLine() + SusieLines(folder, {"jpg.00.pnm_as_jpg_a.spi"}));
    CopyPlugin(folder, "pnm_hangs_in_info.spi");
    ShowPage("Susieプラグイン", IDD_SUSIE);
    Page(IDD_SUSIE).Click(IDC_SUSIE_REFRESH);
    // The window waits on the hanging plug-in's host; Pelaconf is ended while it does.
    ASSERT_TRUE(WaitUntil([&] {
        DWORD_PTR answer = 0;
        return SendMessageTimeoutW(window->Handle(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 200, &answer) == 0;
    })) << "the refresh never waited on the hanging plug-in";
    pelaconf.reset();
    EndsCleanly();
}

TEST_F(FaultyPluginsWindowTest, ThePreviewThroughAFaultingPluginFailsAndTheBrowserKeepsWorking) {
    folder.MakeFolder("walls");
    folder.Write("walls\\picture.ppm", SmallPixmap());
    folder.Write("walls\\picture.bmp", EncodeBmp24(FlatPicture(8, 8, 0xFF3366CCu)));
    const std::string walls = FolderPath() + "\\walls";
    Start("[Wall_Dir_Path]=" + walls + "\r\n" + SusieLines(folder, {"ppm.00.pnm_faults_in_picture.spi"}));
    ShowPage("壁紙変更", IDD_WALLPAPER_BROWSER);
    const RemoteWindow browser = Page(IDD_WALLPAPER_BROWSER);
    ASSERT_TRUE(browser.ExpandTreeItem(IDC_BROWSER_TREE, "壁紙フォルダ"));
    ASSERT_TRUE(WaitUntil([&] { return browser.TreeChildLabels(IDC_BROWSER_TREE, "壁紙フォルダ").size() == 2; }));
    ASSERT_TRUE(browser.SelectTreeItem(IDC_BROWSER_TREE, "picture.ppm"));
    ASSERT_TRUE(pelaconf->Answer(kBrowserLoadFailed, IDOK));
    ASSERT_TRUE(pelaconf->Answer(kPreviewFailed, IDOK));
    ASSERT_TRUE(browser.SelectTreeItem(IDC_BROWSER_TREE, "picture.bmp"));
    ASSERT_TRUE(WaitUntil([&] { return browser.ItemText(IDC_BROWSER_PATH) == walls + "\\picture.bmp"; }));
    EXPECT_TRUE(pelaconf->MessageBoxes().empty());
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
    EndsCleanly();
}

TEST_F(FaultyPluginsWindowTest, ThePriorityDialogShowsTheLoadFailureOfAFaultingPluginAndStaysUsable) {
    Start(FolderLine() + SusieLines(folder, {"ppm.00.pnm_faults_in_main.spi", "ppm.01.pnm.spi"}));
    ShowPage("Susieプラグイン", IDD_SUSIE);
    Page(IDD_SUSIE).Click(IDC_SUSIE_PRIORITIES);
    const auto dialog = pelaconf->WaitForWindowTitled(expected::kPriorityDialogTitle);
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(dialog->ChooseListBoxItem(IDC_PRIORITY_PLUGINS, "pnm_faults_in_main.spi"));
    ASSERT_TRUE(pelaconf->Answer(kLoadFailed, IDOK));
    ASSERT_TRUE(dialog->ChooseListBoxItem(IDC_PRIORITY_PLUGINS, "pnm.spi"));
    EXPECT_TRUE(WaitUntil([&] { return dialog->ItemText(IDC_PRIORITY_INFORMATION) == "PNM images\nPNM test filter 1.0"; }));
    dialog->Click(IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] { return !dialog->Exists(); }));
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
    EndsCleanly();
}

} // namespace
} // namespace pelaconf::driver
