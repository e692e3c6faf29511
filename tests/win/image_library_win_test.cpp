// The image library's file loaders, drawing and saving on Windows.
#include "image/image_library_win.h"
#include "image/library_image.h"

#include "file_held_elsewhere.h"
#include "image_test_support.h"

#include <cstdlib>

namespace pelaconf {
namespace {

constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kBlue = 0xFF0000FF;

uint32_t PixelAt(LibImageHandle image, int x, int y) {
    return image->picture.bgra[static_cast<size_t>(y) * image->picture.width + x];
}

// Each colour channel within the tolerance.
::testing::AssertionResult Near(uint32_t actual, uint32_t expected, int tolerance) {
    for (int shift = 0; shift < 32; shift += 8) {
        if (std::abs(static_cast<int>((actual >> shift) & 0xFF) - static_cast<int>((expected >> shift) & 0xFF)) >
            tolerance) {
            return ::testing::AssertionFailure() << std::hex << actual << " is not near " << expected;
        }
    }
    return ::testing::AssertionSuccess();
}

class ImageLibraryWinTest : public ScratchFolderTest {};

TEST_F(ImageLibraryWinTest, LosslessFormatsDecodeToTheirSizeAndExactColours) {
    const struct {
        const char* name;
        LibImageHandle (*load)(const std::string&);
    } files[] = {{"halves.png", LibLoadPngFile}, {"halves.gif", LibLoadGifFile}, {"palette.bmp", LibLoadBmpFile}};
    for (const auto& file : files) {
        LibImageHandle image = file.load(TestImage(file.name));
        ASSERT_NE(image, nullptr) << file.name;
        EXPECT_EQ(image->picture.width, 16) << file.name;
        EXPECT_EQ(image->picture.height, 8) << file.name;
        EXPECT_EQ(PixelAt(image, 0, 0), kRed) << file.name;
        EXPECT_EQ(PixelAt(image, 7, 7), kRed) << file.name;
        EXPECT_EQ(PixelAt(image, 8, 0), kBlue) << file.name;
        EXPECT_EQ(PixelAt(image, 15, 7), kBlue) << file.name;
        LibRelease(image);
    }
}

TEST_F(ImageLibraryWinTest, JpegDecodesCloseToItsColours) {
    LibImageHandle image = LibLoadJpegFile(TestImage("halves.jpg"));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->picture.width, 16);
    EXPECT_EQ(image->picture.height, 8);
    EXPECT_TRUE(Near(PixelAt(image, 3, 3), kRed, 12));
    EXPECT_TRUE(Near(PixelAt(image, 12, 4), kBlue, 12));
    LibRelease(image);
}

// Open to write or move it (an editor, a sync client), sharing it for reading and writing only.
TEST_F(ImageLibraryWinTest, APictureAnotherProgramHasOpenForWritingStillDecodes) {
    const struct {
        const char* name;
        LibImageHandle (*load)(const std::string&);
    } files[] = {{"halves.jpg", LibLoadJpegFile}, {"palette.bmp", LibLoadBmpFile}};
    for (const auto& file : files) {
        const std::string picture = PathOf(file.name);
        ASSERT_TRUE(CopyFileW(Utf8ToWide(TestImage(file.name)).c_str(), Utf8ToWide(picture).c_str(), FALSE));
        FileHeldElsewhere holder(PELACONF_FILE_HOLDER, Utf8ToWide(picture), GENERIC_READ | GENERIC_WRITE | DELETE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE);
        ASSERT_TRUE(holder.Holds()) << file.name;
        LibImageHandle image = file.load(picture);
        ASSERT_NE(image, nullptr) << file.name;
        EXPECT_EQ(image->picture.width, 16) << file.name;
        LibRelease(image);
    }
}

// The imaging component here does not scale as it decodes, so a fitted load takes the path that
// decodes at full size in bands of rows: it must give exactly what loading and resizing give.
TEST_F(ImageLibraryWinTest, AFittedLoadGivesWhatLoadingAndThenResizingGives) {
    for (const char* name : {"halves.png", "gradient.jpg", "gradient16.png"}) {
        for (const Size target : {Size{7, 3}, Size{45, 75}, Size{40, 200}}) {
            LibImageHandle whole = LibLoadPngFile(TestImage(name)); // every WIC loader decodes any format
            ASSERT_NE(whole, nullptr) << name;
            const Size wholeSize{whole->picture.width, whole->picture.height};
            ASSERT_EQ(LibResize(whole, target.width, target.height), 1);
            Size fileSize;
            LibImageHandle fitted = LibLoadFittedFile(TestImage(name), [&](Size) { return target; }, fileSize);
            ASSERT_NE(fitted, nullptr) << name;
            EXPECT_EQ(fileSize, wholeSize) << name;
            EXPECT_EQ(fitted->picture, whole->picture) << name << " at " << target.width << "x" << target.height;
            LibRelease(whole);
            LibRelease(fitted);
        }
    }
    Size fileSize;
    EXPECT_EQ(LibLoadFittedFile(Write("text.jpg", "not a picture at all"), [](Size size) { return size; }, fileSize),
              nullptr);
}

TEST_F(ImageLibraryWinTest, AnAnimatedGifGivesItsFirstFrame) {
    LibImageHandle image = LibLoadGifFile(TestImage("two-frames.gif"));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(PixelAt(image, 0, 0), kRed);
    EXPECT_EQ(PixelAt(image, 15, 0), kBlue);
    LibRelease(image);
}

TEST_F(ImageLibraryWinTest, MissingAndDamagedFilesGiveNoImage) {
    EXPECT_EQ(LibLoadPngFile(PathOf("missing.png")), nullptr);
    EXPECT_EQ(LibLoadBmpFile(PathOf("missing.bmp")), nullptr);
    EXPECT_EQ(LibLoadJpegFile(Write("text.jpg", "not a picture at all")), nullptr);
    EXPECT_EQ(LibLoadGifFile(Write("empty.gif", "")), nullptr);
    std::string bmp = EncodeBmp24(FlatPicture(4, 4, kRed));
    bmp.resize(bmp.size() - 2);
    EXPECT_EQ(LibLoadBmpFile(Write("short.bmp", bmp)), nullptr);
}

TEST_F(ImageLibraryWinTest, LoadsFromFoldersWithJapaneseNames) {
    MakeFolder("画像");
    LibImageHandle png = LibLoadPngFile(CopyOf(TestImage("halves.png"), "画像\\表示.png"));
    LibImageHandle bmp = LibLoadBmpFile(WritePicture("画像\\表示.bmp", FlatPicture(3, 2, kBlue)));
    EXPECT_NE(png, nullptr);
    ASSERT_NE(bmp, nullptr);
    EXPECT_EQ(PixelAt(bmp, 2, 1), kBlue);
    LibRelease(png);
    LibRelease(bmp);
}

TEST_F(ImageLibraryWinTest, SavesA24BitBmpOverTheTargetAndLeavesNothingElse) {
    Picture picture = FlatPicture(5, 3, kRed);
    picture.bgra[4] = 0xFF123456;
    const std::string file = EncodeBmp24(picture);
    LibImageHandle image = LibLoadBmpMemory(file.data(), file.size());
    ASSERT_NE(image, nullptr);
    const std::string target = Write("Wallpaper.bmp", "old content");
    EXPECT_EQ(LibSaveBmpFile(target, image), 1);
    EXPECT_EQ(ReadBmp(target), picture);
    EXPECT_EQ(FileCount(), 1);
    LibRelease(image);
}

TEST_F(ImageLibraryWinTest, AFailedSaveKeepsTheOldFile) {
    const std::string file = EncodeBmp24(FlatPicture(2, 2, kBlue));
    LibImageHandle image = LibLoadBmpMemory(file.data(), file.size());
    ASSERT_NE(image, nullptr);
    const std::string target = Write("Wallpaper.bmp", "old content");
    ASSERT_TRUE(SetFileAttributesW(Utf8ToWide(target).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(LibSaveBmpFile(target, image), 0);
    EXPECT_EQ(Win32FileSystem().ReadWholeFile(target), "old content");
    EXPECT_EQ(LibSaveBmpFile(PathOf("no-such-folder\\Wallpaper.bmp"), image), 0);
    EXPECT_EQ(LibSaveBmpFile(target, nullptr), 0);
    EXPECT_EQ(FileCount(), 1);
    LibRelease(image);
}

TEST_F(ImageLibraryWinTest, DrawsTheWholeImageScaledOntoTheRectangle) {
    LibImageHandle image = LibLoadPngFile(TestImage("halves.png"));
    ASSERT_NE(image, nullptr);
    DibCanvas canvas(40, 20);
    ASSERT_TRUE(canvas.IsReady());
    EXPECT_GT(LibDraw(canvas.Dc(), 4, 2, 32, 16, image, 0, 0, 16, 8, SRCCOPY, HALFTONE), 0);
    const auto pixel = [&](int x, int y) { return canvas.Pixel(x, y); };
    EXPECT_EQ(pixel(3, 2), 0xFFFFFFu) << "left of the rectangle";
    EXPECT_EQ(pixel(5, 3), 0xFF0000u);
    EXPECT_EQ(pixel(34, 16), 0x0000FFu);
    EXPECT_EQ(pixel(36, 17), 0xFFFFFFu) << "right of the rectangle";
    EXPECT_EQ(pixel(20, 19), 0xFFFFFFu) << "below the rectangle";
    EXPECT_EQ(LibDraw(canvas.Dc(), 0, 0, 8, 8, nullptr, 0, 0, 16, 8, SRCCOPY, HALFTONE), 0);
    LibRelease(image);
}

} // namespace
} // namespace pelaconf
