// The real Pelaconf.exe started with an image path: Wallpaper.bmp, the desktop's style values
// and the messages, with no window and no write of Pelavine.ini.
#include "driver.h"
#include "journey_helpers.h"
#include "image/bmp_codec.h"
#include "image/picture.h"
#include "image/resampler.h"
#include "platform/file_system_win.h"
#include "win/wide_text.h"

#include "file_held_elsewhere.h"
#include "flat_picture.h"
#include "test_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <thread>

namespace pelaconf::driver {
namespace {

std::string SettingsWith(const std::string& lines) { return "# Pelavine Version 1.2\r\n" + lines; }

// A BMP image of the size, in a flat colour.
std::string BmpOfSize(int width, int height) { return EncodeBmp24(FlatPicture(width, height, 0xFF3366CCu)); }

struct SavedWallpaper {
    int width = 0;
    int height = 0;
};

std::optional<SavedWallpaper> ReadWallpaper(const InstallFolder& folder) {
    const auto bytes = folder.Read("Wallpaper.bmp");
    if (!bytes) {
        return std::nullopt;
    }
    const auto header = ReadBmpHeader(*bytes);
    if (header.error != BmpError::None) {
        return std::nullopt;
    }
    return SavedWallpaper{header.header.width, std::abs(header.header.height)};
}

// Runs Pelaconf.exe with the image and waits until it has ended, answering the one expected
// message (if any) with OK. The program shows no window but that message all the while.
void RunWithImage(const InstallFolder& folder, const std::string& imageName, const std::string& expectedMessage = "") {
    const PelaconfProcess pelaconf(folder, L"\"" + folder.PathOf(imageName) + L"\"");
    if (!expectedMessage.empty()) {
        const auto box = pelaconf.WaitForMessageBoxAlone(expectedMessage);
        ASSERT_TRUE(box) << "expected the message " << expectedMessage << " and no other window";
        ASSERT_TRUE(box->Press(IDOK));
    }
    ASSERT_TRUE(pelaconf.EndsWithoutShowingAWindow()) << "a window was shown, or the program did not end";
}

TEST(WallpaperMode, AFittedStretchCentresOtherProportionsAndStretchesMatchingOnes) {
    const InstallFolder folder(TestName());
    const std::string settings = SettingsWith("[Rect_Type]=2\r\n[Rect_Fit]=1\r\n");
    folder.Write("Pelavine.ini", settings);
    folder.Write("wide.bmp", BmpOfSize(1920, 1080));
    folder.Write("four-three.bmp", BmpOfSize(800, 600));

    RunWithImage(folder, "wide.bmp");
    auto saved = ReadWallpaper(folder);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->width, 1024);
    EXPECT_EQ(saved->height, 575);
    EXPECT_EQ(DesktopValue(L"TileWallpaper"), L"0");
    EXPECT_EQ(DesktopValue(L"WallpaperStyle"), L"0");

    RunWithImage(folder, "four-three.bmp");
    saved = ReadWallpaper(folder);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->width, 800);
    EXPECT_EQ(saved->height, 600);
    EXPECT_EQ(DesktopValue(L"TileWallpaper"), L"0");
    EXPECT_EQ(DesktopValue(L"WallpaperStyle"), L"2");
    EXPECT_EQ(folder.Read("Pelavine.ini"), settings) << "wallpaper mode never writes the settings";
    EXPECT_TRUE(folder.PelavineStarts().empty());
}

TEST(WallpaperMode, CentredWithFittingShrinksLargeImagesOnly) {
    const InstallFolder folder(TestName());
    folder.Write("Pelavine.ini", SettingsWith("[Rect_Type]=0\r\n[Rect_Fit]=1\r\n"));
    folder.Write("large.bmp", BmpOfSize(1600, 1200));
    folder.Write("small.bmp", BmpOfSize(640, 480));

    RunWithImage(folder, "large.bmp");
    auto saved = ReadWallpaper(folder);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->width, 1024);
    EXPECT_EQ(saved->height, 768);
    EXPECT_EQ(DesktopValue(L"WallpaperStyle"), L"0");

    RunWithImage(folder, "small.bmp");
    saved = ReadWallpaper(folder);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->width, 640);
    EXPECT_EQ(saved->height, 480);
}

TEST(WallpaperMode, EachRefusalHasItsMessageAndNoFileIsWritten) {
    const InstallFolder folder(TestName());
    folder.Write("Pelavine.ini", SettingsWith(""));
    RunWithImage(folder, "missing.jpg", "画像ファイルが存在しません。");
    folder.Write("picture.xyz", "not an image");
    RunWithImage(folder, "picture.xyz", "対応した画像ファイルではありません。");
    folder.Write("nodot", "not an image");
    RunWithImage(folder, "nodot", "対応した画像ファイルではありません。");
    EXPECT_FALSE(folder.Exists("Wallpaper.bmp"));
    EXPECT_EQ(folder.Read("Pelavine.ini"), SettingsWith(""));
}

TEST(WallpaperMode, ARefusedRegistryWriteIsReported) {
    const InstallFolder folder(TestName());
    folder.Write("Pelavine.ini", SettingsWith(""));
    folder.Write("a.bmp", BmpOfSize(8, 8));
    const ReadOnlyDesktopKey locked;
    ASSERT_TRUE(locked.Refuses()) << "the desktop key could not be made read-only";
    RunWithImage(folder, "a.bmp", "壁紙の表示方法をレジストリに書き込めませんでした。");
    EXPECT_FALSE(folder.Exists("Wallpaper.bmp"));
}

// A 4 x 2 colour picture in the PNM format that only the test plug-in decodes.
std::string SmallPixmap() { return std::string("P6\n4 2\n255\n") + std::string(4 * 2 * 3, '\x80'); }

void CopyTestPlugin(const InstallFolder& folder) {
    ASSERT_TRUE(
        CopyFileW((BuildFolder() + L"\\test-plugins\\pnm.spi").c_str(), folder.PathOf("pnm.spi").c_str(), FALSE));
}

TEST(WallpaperMode, APluginCopiedInSinceTheLastSaveIsFoundWhenSusieIsOn) {
    const InstallFolder folder(TestName());
    const std::string settings = SettingsWith("[Susie_Use]=1\r\n[Susie_Dir_Path]=Empty\r\n");
    folder.Write("Pelavine.ini", settings);
    folder.Write("picture.ppm", SmallPixmap());
    CopyTestPlugin(folder);
    RunWithImage(folder, "picture.ppm");
    const auto saved = ReadWallpaper(folder);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->width, 4);
    EXPECT_EQ(saved->height, 2);
    EXPECT_EQ(folder.Read("Pelavine.ini"), settings) << "the scan's findings are not saved";
}

TEST(WallpaperMode, WithoutSusieAPluginOnlyTypeIsRefused) {
    const InstallFolder folder(TestName());
    folder.Write("Pelavine.ini", SettingsWith("[Susie_Use]=0\r\n"));
    folder.Write("picture.ppm", SmallPixmap());
    CopyTestPlugin(folder);
    RunWithImage(folder, "picture.ppm", "対応した画像ファイルではありません。");
    EXPECT_FALSE(folder.Exists("Wallpaper.bmp"));
}

TEST(WallpaperMode, AFailedDecodeLeavesThePreviousWallpaperWhole) {
    const InstallFolder folder(TestName());
    folder.Write("good.bmp", BmpOfSize(640, 480));
    RunWithImage(folder, "good.bmp");
    const auto before = folder.Read("Wallpaper.bmp");
    ASSERT_TRUE(before);
    folder.Write("broken.png", "\x89PNG\r\n\x1a\n broken");
    RunWithImage(folder, "broken.png", "画像ファイルの保存に失敗しました。");
    EXPECT_EQ(folder.Read("Wallpaper.bmp"), before);
    EXPECT_FALSE(folder.Exists("Pelavine.ini"));
}

// The picture of a BMP file, or an empty picture.
Picture PictureIn(const std::optional<std::string>& bmp) { return bmp ? DecodeBmp(*bmp).picture : Picture{}; }

// The largest difference of any colour channel of any pixel; a picture of another size differs by 256.
int LargestChannelDifference(const Picture& a, const Picture& b) {
    if (a.width != b.width || a.height != b.height || a.bgra.size() != b.bgra.size()) {
        return 256;
    }
    int largest = 0;
    for (size_t i = 0; i < a.bgra.size(); ++i) {
        for (int shift = 0; shift < 24; shift += 8) {
            const int difference =
                static_cast<int>((a.bgra[i] >> shift) & 0xFF) - static_cast<int>((b.bgra[i] >> shift) & 0xFF);
            largest = std::max(largest, std::abs(difference));
        }
    }
    return largest;
}

// A photo as a phone stores it (64 x 48, four coloured quarters) with one of the eight Exif
// orientations, made at build time with the picture ImageMagick's -auto-orient shows for it.
class WallpaperModeOrientation : public ::testing::TestWithParam<int> {};

TEST_P(WallpaperModeOrientation, APhotoIsSavedUprightAndFittedAsItShows) {
    // Two JPEG decoders may round a few levels apart; a wrong turn puts another quarter's colour there.
    constexpr int kJpegTolerance = 8;
    const int orientation = GetParam();
    const std::wstring images = BuildFolder() + L"\\test-images\\";
    const InstallFolder folder("UprightPhoto" + std::to_string(orientation));
    ASSERT_TRUE(CopyFileW((images + L"oriented-" + std::to_wstring(orientation) + L".jpg").c_str(),
                          folder.PathOf("photo.jpg").c_str(), FALSE));
    const Picture upright = PictureIn(
        Win32FileSystem().ReadWholeFile(WideToUtf8(images + L"upright-" + std::to_wstring(orientation) + L".bmp")));
    ASSERT_GT(upright.width, 0);
    const bool portrait = orientation >= 5;
    ASSERT_EQ(upright.height > upright.width, portrait) << "ImageMagick turns 5 to 8 a quarter";

    folder.Write("Pelavine.ini", SettingsWith("[Rect_Type]=0\r\n[Rect_Fit]=0\r\n"));
    RunWithImage(folder, "photo.jpg");
    EXPECT_LE(LargestChannelDifference(PictureIn(folder.Read("Wallpaper.bmp")), upright), kJpegTolerance)
        << "not fitted";

    // A fitted stretch: a landscape photo has the 1024 x 768 screen's proportions and is stretched
    // as it is; a portrait one is enlarged to the screen's height and centred.
    folder.Write("Pelavine.ini", SettingsWith("[Rect_Type]=2\r\n[Rect_Fit]=1\r\n"));
    RunWithImage(folder, "photo.jpg");
    const Picture fitted = portrait ? *Resize(upright, 576, 768) : upright;
    EXPECT_LE(LargestChannelDifference(PictureIn(folder.Read("Wallpaper.bmp")), fitted), kJpegTolerance) << "fitted";
    EXPECT_EQ(DesktopValue(L"WallpaperStyle"), portrait ? L"0" : L"2");
}

INSTANTIATE_TEST_SUITE_P(EachOrientation, WallpaperModeOrientation, ::testing::Range(1, 9));


// Whether a save of the file is under way: its new content waits beside it.
bool SaveUnderWay(const InstallFolder& folder, const std::string& fileName) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(folder.PathOf(fileName + ".*.pelaconf-new").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    FindClose(search);
    return true;
}

TEST(WallpaperMode, APictureAndAWallpaperThatOtherProgramsHaveOpenAreStillSetAndSaved) {
    const InstallFolder folder(TestName());
    folder.Write("Pelavine.ini", SettingsWith("[Rect_Type]=0\r\n[Rect_Fit]=0\r\n"));
    folder.Write("Wallpaper.bmp", BmpOfSize(8, 8));
    folder.Write("photo.bmp", BmpOfSize(640, 480));
    const std::wstring holderProgram = BuildFolder() + L"\\file-holder\\FileHolder.exe";
    // An editor or a sync client has the picture open to write or move it; the desktop or the
    // search indexer reads the old wallpaper, without delete sharing.
    const FileHeldElsewhere editor(holderProgram, folder.PathOf("photo.bmp"), GENERIC_READ | GENERIC_WRITE | DELETE,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE);
    FileHeldElsewhere reader(holderProgram, folder.PathOf("Wallpaper.bmp"), GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(editor.Holds());
    ASSERT_TRUE(reader.Holds());

    const PelaconfProcess pelaconf(folder, L"\"" + folder.PathOf("photo.bmp") + L"\"");
    ASSERT_TRUE(WaitUntil([&] { return SaveUnderWay(folder, "Wallpaper.bmp"); })) << "no save of the wallpaper began";
    std::this_thread::sleep_for(200ms); // how long the reader keeps the file into the save
    reader.LetGo();
    ASSERT_TRUE(pelaconf.EndsWithoutShowingAWindow()) << "a window was shown, or the program did not end";
    const auto saved = ReadWallpaper(folder);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->width, 640);
    EXPECT_EQ(saved->height, 480);
    EXPECT_FALSE(SaveUnderWay(folder, "Wallpaper.bmp")) << "the new content was left beside the file";
}

} // namespace
} // namespace pelaconf::driver
