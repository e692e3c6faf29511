// The boundary between Pelaconf and the plug-ins in their hosts, through the real program: what a
// plug-in prints or forges on its standard output changes nothing, a host program that cannot be
// started is named and costs no setting, and inside a job that its processes may not leave the
// plug-ins still work and no host outlives Pelaconf.
#include "driver.h"
#include "journey_helpers.h"
#include "resource.h"
#include "settings_window_fixture.h"

#include "test_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace pelaconf::driver {
namespace {

using Lines = std::vector<std::string>;

constexpr char kHost64[] = "PelaconfPluginHost64.exe";
constexpr char kNoNewPlugins[] = "新しいSusieプラグインは検出されませんでした。";
constexpr char kPreviewFailed[] = "画像ファイルの表示に失敗しました。";

// A 4 x 2 picture in the PNM format, which only the test plug-ins decode.
std::string SmallPixmap() { return std::string("P6\n4 2\n255\n") + std::string(4 * 2 * 3, '\x50'); }

void CopyPlugin(const InstallFolder& folder, const std::string& name) {
    ASSERT_TRUE(CopyFileW((BuildFolder() + L"\\test-plugins\\" + Utf8ToWide(name)).c_str(),
                          folder.PathOf("Susie\\" + name).c_str(), FALSE))
        << name;
}

// Susie in use with the folder "Susie" of the install folder, holding the plug-in, catalogued
// first for the ppm files.
std::string SusieLines(const InstallFolder& folder, const std::string& plugin) {
    folder.MakeFolder("Susie");
    CopyPlugin(folder, plugin);
    const std::string susie = WideToUtf8(folder.PathOf("Susie"));
    return "[Susie_Use]=1\r\n[Susie_Dir_Path]=" + susie + "\r\n[SPI]=ppm.00." + susie + "\\" + plugin + "\r\n";
}

// The catalogue lines of a settings file, in order.
Lines SpiLines(const std::string& file) {
    Lines lines;
    size_t start = 0;
    for (size_t end; (end = file.find("\r\n", start)) != std::string::npos; start = end + 2) {
        if (file.compare(start, 6, "[SPI]=") == 0) {
            lines.push_back(file.substr(start, end - start));
        }
    }
    return lines;
}

// Makes picture.ppm the wallpaper from the command line through the plug-in; the saved bitmap, or
// nothing when none was saved or the program did not end without a window.
std::optional<std::string> WallpaperThrough(const std::string& plugin, const ConfiningJob* job = nullptr) {
    const InstallFolder folder(TestName() + "-" + plugin.substr(0, plugin.find('.')));
    folder.Write("Pelavine.ini", "# Pelavine Version 1.2\r\n" + SusieLines(folder, plugin));
    folder.Write("picture.ppm", SmallPixmap());
    {
        const PelaconfProcess pelaconf(folder, L"\"" + folder.PathOf("picture.ppm") + L"\"", job);
        if (!pelaconf.EndsWithoutShowingAWindow(40s)) {
            return std::nullopt;
        }
    }
    EXPECT_TRUE(folder.NoProgramOfItsOwnRuns());
    return folder.Read("Wallpaper.bmp");
}

TEST(PluginBoundary, PluginsThatPrintOrForgeAReplyDecodeAsAQuietOne) {
    const std::optional<std::string> quiet = WallpaperThrough("pnm.spi");
    ASSERT_TRUE(quiet) << "the quiet plug-in made no wallpaper";
    for (const char* plugin : {"pnm_prints.spi", "pnm_forges_reply.spi"}) {
        EXPECT_EQ(WallpaperThrough(plugin), quiet) << plugin;
    }
}

TEST(PluginBoundary, AfterAPluginThatLeavesAFaultingThreadTheNextPluginDecodes) {
    const InstallFolder folder(TestName());
    const std::string susie = WideToUtf8(folder.PathOf("Susie"));
    folder.Write("Pelavine.ini", "# Pelavine Version 1.2\r\n" + SusieLines(folder, "pnm_leaves_faulting_thread.spi") +
                                     "[SPI]=ppm.01." + susie + "\\pnm.spi\r\n");
    CopyPlugin(folder, "pnm.spi");
    folder.Write("picture.ppm", SmallPixmap());
    {
        const PelaconfProcess pelaconf(folder, L"\"" + folder.PathOf("picture.ppm") + L"\"");
        ASSERT_TRUE(pelaconf.EndsWithoutShowingAWindow(40s)) << "a window was shown, or the program did not end";
    }
    EXPECT_TRUE(folder.Exists("Wallpaper.bmp")) << "the second plug-in did not decode";
    EXPECT_TRUE(folder.NoProgramOfItsOwnRuns());
}

// Both when the catalogued plug-in is to decode the picture and when a picture of a type not
// catalogued has the plug-ins scanned first.
TEST(PluginBoundary, TheCommandLineNamesAHostProgramThatIsMissing) {
    const InstallFolder folder(TestName());
    folder.Write("Pelavine.ini", "# Pelavine Version 1.2\r\n" + SusieLines(folder, "pnm.spi"));
    folder.Remove(kHost64);
    for (const char* picture : {"picture.ppm", "picture.pgm"}) {
        folder.Write(picture, SmallPixmap());
        const PelaconfProcess pelaconf(folder, L"\"" + folder.PathOf(picture) + L"\"");
        const auto box = pelaconf.WaitForMessageBoxAlone(expected::HostNotStarted(kHost64), 30s);
        ASSERT_TRUE(box) << picture << ": no message naming the host program";
        ASSERT_TRUE(box->Press(IDOK));
        ASSERT_TRUE(pelaconf.WaitForExit());
        EXPECT_FALSE(folder.Exists("Wallpaper.bmp"));
    }
}

TEST(PluginBoundary, InsideAJobThatForbidsLeavingItADecodeWorks) {
    const ConfiningJob job;
    const std::optional<std::string> wallpaper = WallpaperThrough("pnm.spi", &job);
    ASSERT_TRUE(wallpaper) << "no wallpaper was made inside the job";
    EXPECT_TRUE(WaitUntil([&] { return job.ProcessCount() == 0; })) << "a host outlived Pelaconf";
}

class PluginBoundaryWindowTest : public SettingsWindowFixture {
protected:
    // Presses the Susie page's refresh.
    void Refresh() {
        ShowPage("Susieプラグイン", IDD_SUSIE);
        Page(IDD_SUSIE).Click(IDC_SUSIE_REFRESH);
    }
    // Answers the refresh's report of a change and confirms the priority dialog it opens; the
    // plug-ins the dialog lists for its first extension.
    std::vector<std::string> ConfirmChange() {
        EXPECT_TRUE(pelaconf->Answer(expected::kPluginsChangedMessage, IDOK, 30s)) << "no change was reported";
        const auto dialog = pelaconf->WaitForWindowTitled(expected::kPriorityDialogTitle);
        if (!dialog) {
            ADD_FAILURE() << "no priority dialog";
            return {};
        }
        const std::vector<std::string> listed = dialog->ListBoxTexts(IDC_PRIORITY_PLUGINS);
        dialog->Click(IDOK);
        EXPECT_TRUE(WaitUntil([&] { return !dialog->Exists(); }));
        return listed;
    }
};

TEST_F(PluginBoundaryWindowTest, APluginThatPrintsIsListedByARefreshAsAQuietOne) {
    Start(FolderLine() + SusieLines(folder, "pnm.spi"));
    CopyPlugin(folder, "pnm_prints.spi");
    CopyPlugin(folder, "pnm_forges_reply.spi");
    Refresh();
    // The new ones follow the known one in the order the folder lists them.
    std::vector<std::string> listed = ConfirmChange();
    ASSERT_EQ(listed.size(), 3u);
    EXPECT_EQ(listed[0], "pnm.spi");
    std::sort(listed.begin() + 1, listed.end());
    EXPECT_EQ(listed, (std::vector<std::string>{"pnm.spi", "pnm_forges_reply.spi", "pnm_prints.spi"}));
    SaveWithOk();
    // Each is catalogued for the four extensions of its filter, as the quiet one is.
    for (const std::string plugin : {"\\pnm.spi", "\\pnm_prints.spi", "\\pnm_forges_reply.spi"}) {
        const Lines lines = SpiLines(folder.Read("Pelavine.ini").value_or(""));
        EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [&](const std::string& line) { return line.ends_with(plugin); }),
                  4)
            << plugin;
    }
}

TEST_F(PluginBoundaryWindowTest, WithoutTheHostProgramTheRefreshSaysSoAndOkKeepsTheCatalogue) {
    Start(FolderLine() + SusieLines(folder, "pnm.spi"));
    const Lines catalogue = SpiLines(written);
    ASSERT_EQ(catalogue.size(), 1u);
    CopyPlugin(folder, "pnm_as_jpg_a.spi");
    folder.Remove(kHost64);
    Refresh();
    ASSERT_TRUE(pelaconf->Answer(expected::HostNotStarted(kHost64), IDOK, 30s)) << "no message naming the host";
    EXPECT_FALSE(pelaconf->WaitForWindowTitled(expected::kPriorityDialogTitle, 1s)) << "nothing changed to order";
    SaveWithOk();
    EXPECT_EQ(SpiLines(folder.Read("Pelavine.ini").value_or("")), catalogue);
}

TEST_F(PluginBoundaryWindowTest, WithoutTheHostProgramTheBrowserSaysSo) {
    folder.MakeFolder("walls");
    folder.Write("walls\\picture.ppm", SmallPixmap());
    const std::string walls = FolderPath() + "\\walls";
    Start("[Wall_Dir_Path]=" + walls + "\r\n" + SusieLines(folder, "pnm.spi"));
    folder.Remove(kHost64);
    ShowPage("壁紙変更", IDD_WALLPAPER_BROWSER);
    const RemoteWindow browser = Page(IDD_WALLPAPER_BROWSER);
    ASSERT_TRUE(browser.ExpandTreeItem(IDC_BROWSER_TREE, "壁紙フォルダ"));
    ASSERT_TRUE(WaitUntil([&] { return browser.TreeChildLabels(IDC_BROWSER_TREE, "壁紙フォルダ").size() == 1; }));
    ASSERT_TRUE(browser.SelectTreeItem(IDC_BROWSER_TREE, "picture.ppm"));
    ASSERT_TRUE(pelaconf->Answer(expected::HostNotStarted(kHost64), IDOK)) << "no message naming the host";
    ASSERT_TRUE(pelaconf->Answer(kPreviewFailed, IDOK));
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

TEST_F(PluginBoundaryWindowTest, InsideAJobThatForbidsLeavingItTheRefreshWorksAndNoHostOutlivesPelaconf) {
    const ConfiningJob job;
    folder.Write("Pelavine.ini", FolderLine() + SusieLines(folder, "pnm.spi"));
    pelaconf.emplace(folder, L"", &job);
    window = pelaconf->WaitForSettingsWindow();
    ASSERT_TRUE(window) << "no settings window";
    ASSERT_TRUE(WaitUntil([&] { return AllPagesMade(); }));
    CopyPlugin(folder, "pnm_as_jpg_a.spi");
    Refresh();
    EXPECT_EQ(ConfirmChange(), (std::vector<std::string>{"pnm.spi", "pnm_as_jpg_a.spi"}));
    Page(IDD_SUSIE).Click(IDC_SUSIE_REFRESH);
    ASSERT_TRUE(pelaconf->Answer(kNoNewPlugins, IDOK, 30s)) << "the second refresh found no change";
    // Ended as a crash or the task manager would end it: its idle hosts go with it.
    pelaconf.reset();
    EXPECT_TRUE(folder.NoProgramOfItsOwnRuns()) << "a host outlived Pelaconf";
    EXPECT_TRUE(WaitUntil([&] { return job.ProcessCount() == 0; }));
}

// The lines of the test plug-ins' call log that name the call.
size_t CallsLogged(const InstallFolder& folder, const std::string& call) {
    const std::string log = folder.Read("calls.log").value_or("");
    size_t count = 0;
    for (size_t at = log.find(call + "\n"); at != std::string::npos; at = log.find(call + "\n", at + 1)) {
        count += at == 0 || log[at - 1] == '\n' ? 1 : 0;
    }
    return count;
}

// While a plug-in hangs, the window still paints what is uncovered; once the call's limit has
// passed, the next plug-in decodes, and the hanging one is not asked again in this run.
TEST_F(PluginBoundaryWindowTest, AHangingPluginLeavesTheWindowPaintingAndIsAskedOnce) {
    folder.MakeFolder("walls");
    folder.Write("walls\\picture.ppm", SmallPixmap());
    const std::string susie = WideToUtf8(folder.PathOf("Susie"));
    const ScopedEnvironment callLog(L"PNM_CALL_LOG", folder.PathOf("calls.log"));
    const std::string catalogue =
        SusieLines(folder, "pnm_hangs_in_supported.spi") + "[SPI]=ppm.01." + susie + "\\pnm.spi\r\n";
    CopyPlugin(folder, "pnm.spi");
    Start("[Wall_Dir_Path]=" + FolderPath() + "\\walls\r\n" + catalogue);
    ShowPage("壁紙変更", IDD_WALLPAPER_BROWSER);
    const RemoteWindow browser = Page(IDD_WALLPAPER_BROWSER);
    ASSERT_TRUE(browser.ExpandTreeItem(IDC_BROWSER_TREE, "壁紙フォルダ"));
    ASSERT_TRUE(WaitUntil([&] {
        return browser.TreeChildLabels(IDC_BROWSER_TREE, "壁紙フォルダ") == std::vector<std::string>{"picture.ppm"};
    }));
    ASSERT_TRUE(browser.SelectTreeItem(IDC_BROWSER_TREE, "picture.ppm"));

    const std::string hanging = "pnm_hangs_in_supported.spi IsSupported";
    ASSERT_TRUE(WaitUntil([&] { return CallsLogged(folder, hanging) == 1; })) << "the plug-in was not asked";
    InvalidateRect(window->Handle(), nullptr, TRUE);
    EXPECT_TRUE(WaitUntil([&] { return !GetUpdateRect(window->Handle(), nullptr, FALSE); }, 3s))
        << "the window did not paint while the plug-in hung";
    EXPECT_EQ(CallsLogged(folder, "pnm.spi IsSupported"), 0u) << "the paint came only after the hanging call";

    ASSERT_TRUE(WaitUntil([&] { return CallsLogged(folder, "pnm.spi GetPicture") == 1; }, 30s))
        << "the next plug-in did not decode the preview";
    browser.Click(IDC_BROWSER_APPLY);
    ASSERT_TRUE(WaitUntil([&] { return folder.Exists("Wallpaper.bmp"); }, 30s)) << "no wallpaper was made";
    EXPECT_EQ(CallsLogged(folder, hanging), 1u) << "the plug-in past its limit was asked again";
    EXPECT_EQ(CallsLogged(folder, "pnm.spi GetPicture"), 2u);
    ASSERT_TRUE(WaitUntil([&] { return pelaconf->MessageBoxes().empty(); })) << "the wait window stayed open";
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

} // namespace
} // namespace pelaconf::driver
