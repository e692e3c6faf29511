// The real Pelaconf.exe on a system whose code page is not Japanese (these journeys run under
// code pages 1252 and 65001): a plug-in's Japanese texts in the priority dialog, and a picture
// that no ANSI path can name set as the wallpaper through a plug-in, from a temporary copy.
#include "driver.h"
#include "folder_tree.h"
#include "journey_helpers.h"
#include "image/bmp_codec.h"
#include "resource.h"
#include "settings_window_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace pelaconf::driver {
namespace {

constexpr char kJapanesePlugin[] = "pnm_japanese_texts.spi";

void CopyTestPlugin(const InstallFolder& folder, const std::string& name, const std::string& to) {
    ASSERT_TRUE(
        CopyFileW((BuildFolder() + L"\\test-plugins\\" + Utf8ToWide(name)).c_str(), folder.PathOf(to).c_str(), FALSE))
        << name;
}

class PluginCodePageJourney : public SettingsWindowFixture {};

TEST_F(PluginCodePageJourney, APluginsJapaneseTextsShowAsTheyAreWritten) {
    folder.MakeFolder("Susie");
    CopyTestPlugin(folder, kJapanesePlugin, std::string("Susie\\") + kJapanesePlugin);
    Start(FolderLine() + "[Susie_Use]=1\r\n[Susie_Dir_Path]=" + WideToUtf8(folder.PathOf("Susie")) + "\r\n");
    ShowPage("Susieプラグイン", IDD_SUSIE);
    Page(IDD_SUSIE).Click(IDC_SUSIE_REFRESH);
    ASSERT_TRUE(pelaconf->Answer(expected::kPluginsChangedMessage, IDOK)) << "the refresh did not find the plug-in";
    const auto dialog = pelaconf->WaitForWindowTitled(expected::kPriorityDialogTitle);
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(dialog->ChooseListBoxItem(IDC_PRIORITY_PLUGINS, kJapanesePlugin));
    EXPECT_TRUE(WaitUntil([&] {
        return dialog->ItemText(IDC_PRIORITY_INFORMATION) == "PNM 画像ﾌｧｲﾙ\nPNM 表示テスト 1.0";
    })) << dialog->ItemText(IDC_PRIORITY_INFORMATION);
    dialog->Click(IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] { return !dialog->Exists(); }));
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

// TMP names the temporary folder of the programs this one starts, while the object lives.
class TemporaryFolderOfPrograms {
public:
    explicit TemporaryFolderOfPrograms(const std::wstring& folder) {
        wchar_t previous[MAX_PATH] = {};
        if (GetEnvironmentVariableW(L"TMP", previous, MAX_PATH) > 0) {
            previous_ = previous;
        }
        SetEnvironmentVariableW(L"TMP", folder.c_str());
    }
    ~TemporaryFolderOfPrograms() { SetEnvironmentVariableW(L"TMP", previous_ ? previous_->c_str() : nullptr); }
    TemporaryFolderOfPrograms(const TemporaryFolderOfPrograms&) = delete;
    TemporaryFolderOfPrograms& operator=(const TemporaryFolderOfPrograms&) = delete;

private:
    std::optional<std::wstring> previous_;
};

// A picture in a folder so deep that no form of its path fits the MAX_PATH bytes a plug-in
// takes, since the folders' names are short ones already. Most volumes of Windows give new files
// no short name; Wine gives every file one, so the depth is what leaves the picture without a
// path a plug-in can be told here.
std::string WriteDeepPicture(const InstallFolder& folder, const std::string& bytes) {
    std::string name = "deep";
    while (name.size() <= MAX_PATH) {
        folder.MakeFolder(name);
        name += "\\deepdeep";
    }
    folder.MakeFolder(name);
    name += "\\夜景.ppm";
    folder.Write(name, bytes);
    return name;
}

TEST(PluginCodePageWallpaper, APictureNoPathCanNameIsSetFromACopyThatIsThenDeleted) {
    const InstallFolder folder(TestName());
    folder.Write("Pelavine.ini", "# Pelavine Version 1.2\r\n[Susie_Use]=1\r\n[Susie_Dir_Path]=Empty\r\n");
    CopyTestPlugin(folder, "pnm.spi", "pnm.spi");
    const std::string picture = WriteDeepPicture(folder, std::string("P6\n4 2\n255\n") + std::string(24, '\x80'));
    ASSERT_GE(GetShortPathNameW(folder.PathOf(picture).c_str(), nullptr, 0), DWORD{MAX_PATH + 1})
        << "the picture has a short path a plug-in can be told";
    folder.MakeFolder("temp");
    const TemporaryFolderOfPrograms temporary(folder.PathOf("temp"));

    const PelaconfProcess pelaconf(folder, L"\"" + folder.PathOf(picture) + L"\"");
    ASSERT_TRUE(pelaconf.EndsWithoutShowingAWindow()) << "a window was shown, or the program did not end";
    const std::optional<std::string> wallpaper = folder.Read("Wallpaper.bmp");
    ASSERT_TRUE(wallpaper) << "no wallpaper was saved";
    const BmpHeaderResult header = ReadBmpHeader(*wallpaper);
    EXPECT_EQ(header.header.width, 4);
    EXPECT_EQ(std::abs(header.header.height), 2);
    EXPECT_EQ(EntryCount(folder.PathOf("temp")), 0) << "the copy was left behind";
}

} // namespace
} // namespace pelaconf::driver
