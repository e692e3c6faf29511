// The wallpaper browser page through the real program: what opening the wallpaper folder lists,
// the folder without images, making the selected image the wallpaper with the display position
// page's unsaved values, and the preview of a type whose plug-in is missing.
#include "driver.h"
#include "flat_picture.h"
#include "image/bmp_codec.h"
#include "journey_helpers.h"
#include "resource.h"
#include "settings_window_fixture.h"
#include "win/handles.h"
#include "window_thread.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <atomic>
#include <cstdlib>
#include <thread>

namespace pelaconf::driver {
namespace {

constexpr char kBrowserLabel[] = "壁紙変更";
constexpr char kWallpaperFolderItem[] = "壁紙フォルダ";
constexpr char kNoImages[] = "画像ファイルが１つもありません。";
constexpr char kNoPlugin[] = "対応するプラグインが見つかりません。";
constexpr char kPreviewFailed[] = "画像ファイルの表示に失敗しました。";
constexpr int kBmpFileImage = 8;
constexpr int kOtherFileImage = 9;
constexpr int kFolderImage = 5;
constexpr int kRemovableDriveImage = 3;

std::string Bmp(int width, int height) { return EncodeBmp24(FlatPicture(width, height, 0xFF3366CCu)); }

// A desktop made by the test, as the shell's is: a "Progman" window titled "Program Manager"
// holding a shell view and a list view whose labels have a white background.
class DesktopListView {
public:
    COLORREF LabelBackground() const {
        return static_cast<COLORREF>(SendMessageW(windows_.Window(), LVM_GETTEXTBKCOLOR, 0, 0));
    }

private:
    static HWND Create(const wchar_t* className, const wchar_t* title, DWORD style, HWND parent) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = className;
        RegisterClassW(&windowClass);
        return CreateWindowW(className, title, style, 0, 0, 100, 100, parent, nullptr, GetModuleHandleW(nullptr),
                             nullptr);
    }
    static HWND MakeDesktop() {
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&classes);
        HWND manager = Create(L"Progman", L"Program Manager", WS_POPUP, nullptr);
        HWND view = CreateWindowW(WC_LISTVIEWW, L"", WS_CHILD | LVS_ICON, 0, 0, 100, 100,
                                  Create(L"SHELLDLL_DefView", L"", WS_CHILD, manager), nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        SendMessageW(view, LVM_SETTEXTBKCOLOR, 0, RGB(255, 255, 255));
        return view;
    }

    WindowThread windows_{MakeDesktop};
};

// The colour of a message box's icon: red for the error icon, amber for the warning icon.
enum class IconColour { Red, Amber, Other };
IconColour IconColourOf(const RemoteWindow& box) {
    for (HWND child = GetWindow(box.Handle(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) {
            continue;
        }
        int red = 0;
        int amber = 0;
        for (const uint32_t pixel : CaptureScreen(child).bgra) {
            const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
            red += r > 180 && g < 80 && b < 80;
            amber += r > 180 && g >= 100 && g <= 200 && b < 100;
        }
        return red > amber ? IconColour::Red : amber > red ? IconColour::Amber : IconColour::Other;
    }
    return IconColour::Other;
}

class WallpaperBrowserTest : public SettingsWindowFixture {
protected:
    // Starts with the folder "walls" of the install folder as the wallpaper folder.
    void StartWithWalls(const std::string& moreLines = "") {
        folder.MakeFolder("walls");
        Start("[Wall_Dir_Path]=" + WallsPath() + "\r\n" + moreLines);
    }
    std::string WallsPath() const { return FolderPath() + "\\walls"; }
    RemoteWindow Browser() const { return Page(IDD_WALLPAPER_BROWSER); }
    std::vector<std::string> Children(const std::string& label) const {
        return Browser().TreeChildLabels(IDC_BROWSER_TREE, label);
    }
    // Opens the wallpaper folder item and waits until its placeholder has made way for the listing.
    void OpenWallpaperFolder() const {
        ASSERT_TRUE(Browser().ExpandTreeItem(IDC_BROWSER_TREE, kWallpaperFolderItem));
        ASSERT_TRUE(WaitUntil([&] {
            const auto children = Children(kWallpaperFolderItem);
            return !children.empty() && children.front() != "dummy";
        })) << "the wallpaper folder did not open";
    }
    // Selects the item and waits until the path field shows its path.
    void SelectFile(const std::string& label) const {
        ASSERT_TRUE(Browser().SelectTreeItem(IDC_BROWSER_TREE, label)) << label;
        ASSERT_TRUE(WaitUntil([&] { return Browser().ItemText(IDC_BROWSER_PATH) == WallsPath() + "\\" + label; }))
            << label;
    }
};

// The test run's Wine has a card reader's drive R:. Its name is asked away from the window's thread
// and shown once it comes.
TEST_F(WallpaperBrowserTest, ARemovableDriveShowsTheNameTheShellGivesIt) {
    std::string name;
    {
        const ComApartment com;
        SHFILEINFOW info{};
        ASSERT_EQ(GetDriveTypeW(L"R:\\"), static_cast<UINT>(DRIVE_REMOVABLE)) << "the run's Wine has no card reader R:";
        ASSERT_NE(SHGetFileInfoW(L"R:\\", 0, &info, sizeof info, SHGFI_DISPLAYNAME), 0u);
        name = WideToUtf8(info.szDisplayName);
    }
    ASSERT_NE(name, "R:\\") << "the shell's name would not tell itself from the root shown until it comes";
    StartWithWalls();
    ShowPage(kBrowserLabel, IDD_WALLPAPER_BROWSER);
    EXPECT_TRUE(WaitUntil([&] { return Browser().TreeItemImage(IDC_BROWSER_TREE, name) == kRemovableDriveImage; }))
        << "no removable drive item named " << name;
}

TEST_F(WallpaperBrowserTest, OpeningTheWallpaperFolderListsFoldersAndImagesSortedWithTheirImages) {
    folder.MakeFolder("walls");
    folder.MakeFolder("walls\\zoo");
    folder.Write("walls\\zoo\\lion.gif", "GIF89a");
    folder.MakeFolder("walls\\Empty");
    folder.Write("walls\\photo.JPEG", "not decoded here");
    folder.Write("walls\\notes.txt", "text");
    folder.Write("walls\\a.BMP", Bmp(8, 8));
    folder.Write("walls\\b.png", "not decoded here");
    StartWithWalls();
    ShowPage(kBrowserLabel, IDD_WALLPAPER_BROWSER);
    EXPECT_EQ(Browser().TreeItemImage(IDC_BROWSER_TREE, kWallpaperFolderItem), kFolderImage);

    OpenWallpaperFolder();
    EXPECT_EQ(Children(kWallpaperFolderItem),
              (std::vector<std::string>{"a.BMP", "b.png", "Empty", "photo.JPEG", "zoo"}));
    EXPECT_EQ(Browser().TreeItemImage(IDC_BROWSER_TREE, "a.BMP"), kBmpFileImage);
    EXPECT_EQ(Browser().TreeItemImage(IDC_BROWSER_TREE, "photo.JPEG"), kOtherFileImage);
    EXPECT_EQ(Browser().TreeItemImage(IDC_BROWSER_TREE, "zoo"), kFolderImage);
    EXPECT_EQ(Children("zoo"), std::vector<std::string>{"dummy"}) << "a folder with an image can be opened";
    EXPECT_TRUE(Children("Empty").empty()) << "an empty folder has nothing to open";
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

// As the system's folder windows list them: kana of both kinds by their sound, marks before digits.
TEST_F(WallpaperBrowserTest, NamesAreListedInTheSystemsOrder) {
    folder.MakeFolder("walls");
    for (const char* name : {"イヌ.bmp", "1.bmp", "アカ.bmp", "_x.bmp", "いろ.bmp", "あお.bmp", "B.bmp", "a.bmp"}) {
        folder.Write(std::string("walls\\") + name, "not decoded here");
    }
    StartWithWalls();
    ShowPage(kBrowserLabel, IDD_WALLPAPER_BROWSER);
    OpenWallpaperFolder();
    EXPECT_EQ(Children(kWallpaperFolderItem), (std::vector<std::string>{"_x.bmp", "1.bmp", "a.bmp", "B.bmp", "あお.bmp",
                                                                         "アカ.bmp", "イヌ.bmp", "いろ.bmp"}));
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

// An opened wallpaper folder item must not go on listing the old folder under the new one's path.
TEST_F(WallpaperBrowserTest, ChangingTheWallpaperFolderClosesItsOpenedBranch) {
    folder.MakeFolder("walls");
    folder.Write("walls\\old.bmp", Bmp(8, 8));
    folder.MakeFolder("other");
    folder.Write("other\\new.bmp", Bmp(8, 8));
    StartWithWalls();
    ShowPage(kBrowserLabel, IDD_WALLPAPER_BROWSER);
    OpenWallpaperFolder();
    SelectFile("old.bmp");

    ShowPage("壁紙フォルダ", IDD_WALLPAPER_FOLDER);
    Page(IDD_WALLPAPER_FOLDER).SetItemText(IDC_FOLDER_PATH, FolderPath() + "\\other");
    ShowPage(kBrowserLabel, IDD_WALLPAPER_BROWSER);
    ASSERT_TRUE(WaitUntil([&] { return Browser().ItemText(IDC_BROWSER_PATH) == FolderPath() + "\\other"; }))
        << "the selection below the branch moves to the branch, under its new path";
    EXPECT_EQ(Children(kWallpaperFolderItem), std::vector<std::string>{"dummy"});
    OpenWallpaperFolder();
    EXPECT_EQ(Children(kWallpaperFolderItem), std::vector<std::string>{"new.bmp"});
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

TEST_F(WallpaperBrowserTest, AFolderOfTextFilesCannotBeOpenedAndTheUnsavedFolderFieldCounts) {
    folder.MakeFolder("texts");
    folder.Write("texts\\readme.txt", "text");
    folder.MakeFolder("texts\\RECYCLED");
    StartWithWalls();
    // The browser takes the wallpaper folder from the field as it is now, not as saved.
    ShowPage("壁紙フォルダ", IDD_WALLPAPER_FOLDER);
    Page(IDD_WALLPAPER_FOLDER).SetItemText(IDC_FOLDER_PATH, FolderPath() + "\\texts");
    ShowPage(kBrowserLabel, IDD_WALLPAPER_BROWSER);

    ASSERT_TRUE(Browser().ExpandTreeItem(IDC_BROWSER_TREE, kWallpaperFolderItem));
    ASSERT_TRUE(pelaconf->Answer(kNoImages, IDOK));
    EXPECT_EQ(Children(kWallpaperFolderItem), std::vector<std::string>{"dummy"}) << "it stays closed, openable";
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

TEST_F(WallpaperBrowserTest, AFolderPathTooLongForTheSystemIsRefusedWholeNotCut) {
    // A folder the system reaches only by its long form, named in the settings.
    const std::string longPath = FolderPath() + "\\" + std::string(120, 'a') + "\\" + std::string(120, 'b');
    ASSERT_TRUE(CreateDirectoryW(Utf8ToWide("\\\\?\\" + FolderPath() + "\\" + std::string(120, 'a')).c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(Utf8ToWide("\\\\?\\" + longPath).c_str(), nullptr));
    Start("[Wall_Dir_Path]=" + longPath + "\r\n");
    ShowPage(kBrowserLabel, IDD_WALLPAPER_BROWSER);

    ASSERT_TRUE(Browser().ExpandTreeItem(IDC_BROWSER_TREE, kWallpaperFolderItem));
    ASSERT_TRUE(pelaconf->Answer(longPath + "\\\nパスが長すぎるため開けません。", IDOK));
    EXPECT_EQ(Children(kWallpaperFolderItem), std::vector<std::string>{"dummy"});
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

// The display position page's unsaved choice shapes the wallpaper, and the external program page's
// unsaved manual-change program is started after it.
TEST_F(WallpaperBrowserTest, TheButtonAppliesTheSelectedImageWithTheUnsavedDisplayPositionAndProgram) {
    folder.MakeFolder("walls");
    folder.Write("walls\\wide.bmp", Bmp(1920, 1080));
    StartWithWalls("[Rect_Type]=0\r\n[Rect_Fit]=0\r\n");
    ShowPage("表示位置", IDD_DISPLAY_POSITION);
    Page(IDD_DISPLAY_POSITION).Click(IDC_POSITION_STRETCH);
    Page(IDD_DISPLAY_POSITION).Click(IDC_POSITION_FIT);
    ASSERT_TRUE(WaitUntil([&] { return Page(IDD_DISPLAY_POSITION).IsChecked(IDC_POSITION_FIT); }));
    ShowPage("外部プログラム実行", IDD_EXTERNAL_PROGRAM);
    const RemoteWindow programPage = Page(IDD_EXTERNAL_PROGRAM);
    const std::string commandLine = "\"" + FolderPath() + "\\Pelavine.exe\" /manual";
    programPage.SetItemText(IDC_EXEC_PATH, commandLine);
    programPage.Click(IDC_EXEC_ON_MANUAL_CHANGE);
    ASSERT_TRUE(WaitUntil([&] { return programPage.IsChecked(IDC_EXEC_ON_MANUAL_CHANGE); }));
    ShowPage(kBrowserLabel, IDD_WALLPAPER_BROWSER);
    OpenWallpaperFolder();
    SelectFile("wide.bmp");

    Browser().Click(IDC_BROWSER_APPLY);
    ASSERT_TRUE(WaitUntil([&] { return folder.Exists("Wallpaper.bmp"); })) << "no wallpaper was written";
    std::optional<std::string> saved;
    ASSERT_TRUE(WaitUntil([&] {
        saved = folder.Read("Wallpaper.bmp");
        return saved && ReadBmpHeader(*saved).error == BmpError::None;
    }));
    // The wait window stays up until the whole change is done; nothing else may be shown.
    ASSERT_TRUE(WaitUntil([&] { return pelaconf->MessageBoxes().empty(); }))
        << "the wait window or a message stayed open";
    const BmpHeader header = ReadBmpHeader(*saved).header;
    // Stretched and fitted: the wide image keeps its proportions at the screen's width.
    EXPECT_EQ(header.width, 1024);
    EXPECT_EQ(std::abs(header.height), 575);
    EXPECT_EQ(DesktopValue(L"TileWallpaper"), L"0");
    EXPECT_EQ(DesktopValue(L"WallpaperStyle"), L"0");
    EXPECT_TRUE(Unchanged()) << "applying from the browser saves no settings";
    ASSERT_TRUE(WaitUntil([&] { return folder.Exists("Pelavine.log"); })) << "the program was not started";
    EXPECT_EQ(folder.PelavineStarts(), std::vector<std::string>{commandLine});
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

// The wallpaper did not change, so nothing that follows a change may happen.
TEST_F(WallpaperBrowserTest, ARefusedRegistryWriteIsReportedAndStartsNothing) {
    folder.MakeFolder("walls");
    folder.Write("walls\\a.bmp", Bmp(8, 8));
    const std::string commandLine = "\"" + FolderPath() + "\\Pelavine.exe\" /manual";
    StartWithWalls("[Timer_Exec_Path]=" + commandLine + "\r\n[Timer_Exec3_Use]=1\r\n");
    ShowPage("外部プログラム実行", IDD_EXTERNAL_PROGRAM);
    ASSERT_TRUE(Page(IDD_EXTERNAL_PROGRAM).IsChecked(IDC_EXEC_ON_MANUAL_CHANGE));
    ShowPage(kBrowserLabel, IDD_WALLPAPER_BROWSER);
    OpenWallpaperFolder();
    SelectFile("a.bmp");

    const ReadOnlyDesktopKey locked;
    ASSERT_TRUE(locked.Refuses()) << "the desktop key could not be made read-only";
    Browser().Click(IDC_BROWSER_APPLY);
    ASSERT_TRUE(pelaconf->Answer("壁紙の表示方法をレジストリに書き込めませんでした。", IDOK));
    ASSERT_TRUE(WaitUntil([&] { return pelaconf->MessageBoxes().empty(); })) << "the wait window stayed open";
    EXPECT_FALSE(folder.Exists("Wallpaper.bmp"));
    EXPECT_FALSE(folder.Exists("Pelavine.log")) << "the program was started";
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

TEST_F(WallpaperBrowserTest, ATypeWhosePluginIsMissingShowsBothMessagesAndCannotBeApplied) {
    folder.MakeFolder("walls");
    folder.Write("walls\\picture.pnm", "P6\n1 1\n255\n\x80\x80\x80");
    StartWithWalls("[Susie_Use]=1\r\n[SPI]=pnm.01." + FolderPath() + "\\missing.spi\r\n");
    ShowPage(kBrowserLabel, IDD_WALLPAPER_BROWSER);
    OpenWallpaperFolder();
    EXPECT_EQ(Browser().TreeItemImage(IDC_BROWSER_TREE, "picture.pnm"), kOtherFileImage);

    ASSERT_TRUE(Browser().SelectTreeItem(IDC_BROWSER_TREE, "picture.pnm"));
    ASSERT_TRUE(pelaconf->Answer(kNoPlugin, IDOK));
    ASSERT_TRUE(pelaconf->Answer(kPreviewFailed, IDOK));
    Browser().Click(IDC_BROWSER_APPLY);
    // A selection posted after the click is taken once the click has been handled.
    ASSERT_TRUE(Browser().SelectTreeItem(IDC_BROWSER_TREE, kWallpaperFolderItem));
    ASSERT_TRUE(WaitUntil([&] { return Browser().ItemText(IDC_BROWSER_PATH) == WallsPath(); }));
    EXPECT_FALSE(folder.Exists("Wallpaper.bmp")) << "a failed preview cannot be applied";
    EXPECT_TRUE(pelaconf->MessageBoxes().empty());
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

// The button's own messages for a missing file, a type without loader and a failed decoding,
// each ending the change before the external program; then a program that cannot be started
// ends it before the icon labels, which a change that goes through makes transparent.
TEST_F(WallpaperBrowserTest, EachFailureIsReportedWithItsIconAndEndsTheChangeWhereItHappens) {
    const DesktopListView desktop;
    folder.MakeFolder("walls");
    folder.Write("walls\\a.bmp", Bmp(8, 8));
    folder.Write("walls\\a.xyz", "no image");
    folder.Write("walls\\bad.bmp", "no bitmap");
    StartWithWalls("[Icon_Trance]=1\r\n");
    ShowPage("外部プログラム実行", IDD_EXTERNAL_PROGRAM);
    const RemoteWindow programPage = Page(IDD_EXTERNAL_PROGRAM);
    const std::string program = "\"" + FolderPath() + "\\Pelavine.exe\" /manual";
    programPage.SetItemText(IDC_EXEC_PATH, program);
    programPage.Click(IDC_EXEC_ON_MANUAL_CHANGE);
    ASSERT_TRUE(WaitUntil([&] { return programPage.IsChecked(IDC_EXEC_ON_MANUAL_CHANGE); }));
    ShowPage(kBrowserLabel, IDD_WALLPAPER_BROWSER);
    OpenWallpaperFolder();
    SelectFile("a.bmp");

    // The button applies the path its field shows: the selected file as it is now on the disk.
    const struct {
        const char* file;
        const char* message;
        IconColour icon;
    } failures[] = {
        {"missing.bmp", "指定した画像ファイルは存在しません。", IconColour::Amber},
        {"a.xyz", "Susieプラグインのロードに失敗しました。", IconColour::Red},
        {"bad.bmp", "画像ファイルの保存に失敗しました。", IconColour::Red},
    };
    for (const auto& failure : failures) {
        Browser().SetItemText(IDC_BROWSER_PATH, WallsPath() + "\\" + failure.file);
        Browser().Click(IDC_BROWSER_APPLY);
        const auto box = pelaconf->WaitForMessageBox(failure.message);
        ASSERT_TRUE(box) << failure.file;
        EXPECT_EQ(IconColourOf(*box), failure.icon) << failure.file;
        ASSERT_TRUE(box->Press(IDOK));
    }
    EXPECT_TRUE(folder.PelavineStarts().empty()) << "a failed change starts no program";

    const std::string missingProgram = FolderPath() + "\\Missing.exe";
    programPage.SetItemText(IDC_EXEC_PATH, missingProgram);
    Browser().SetItemText(IDC_BROWSER_PATH, WallsPath() + "\\a.bmp");
    Browser().Click(IDC_BROWSER_APPLY);
    const auto box = pelaconf->WaitForMessageBox(missingProgram + "\nこのファイルの実行に失敗しました。");
    ASSERT_TRUE(box);
    EXPECT_EQ(IconColourOf(*box), IconColour::Red);
    ASSERT_TRUE(box->Press(IDOK));
    EXPECT_EQ(desktop.LabelBackground(), RGB(255, 255, 255)) << "the labels are left alone";

    programPage.SetItemText(IDC_EXEC_PATH, program);
    Browser().Click(IDC_BROWSER_APPLY);
    EXPECT_TRUE(WaitUntil([&] { return desktop.LabelBackground() == CLR_NONE; }));
    EXPECT_EQ(folder.PelavineStarts(), std::vector<std::string>{program});
    CloseWithCancel(*pelaconf, *window, DiscardQuestion::Asked);
}

} // namespace
} // namespace pelaconf::driver
