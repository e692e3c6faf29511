// The image object with our own PNM plug-ins: questions, decoding, saving and drawing.
#include "susie/image_object_win.h"
#include "susie/plugin_bitmap.h"

#include "image_test_support.h"
#include "win/handles.h"

#include <span>

namespace pelaconf {
namespace {

// 3 x 2 in every PNM kind; greys and colours chosen so that each pixel differs.
const char kBitmapText[] = "P1\n# comment\n3 2\n1 0 1\n0 1 0\n";
const char kGreyText[] = "P2 3 2 255\n0 128 255\n255 128 0\n";
const char kColourText[] = "P3\n3 2\n255\n255 0 0  0 255 0  0 0 255\n0 0 0  255 255 255  10 20 30\n";
const std::string kBitmapBinary = std::string("P4 3 2\n") + '\xA0' + '\x40';
const std::string kGreyBinary = std::string("P5 3 2 255\n") + std::string("\x00\x80\xFF\xFF\x80\x00", 6);
const std::string kColourBinary =
    std::string("P6 3 2 255\n") + std::string("\xFF\0\0\0\xFF\0\0\0\xFF\0\0\0\xFF\xFF\xFF\x0A\x14\x1E", 18);

const std::vector<uint32_t> kBitmapPixels = {0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF};
const std::vector<uint32_t> kGreyPixels = {0xFF000000, 0xFF808080, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF808080, 0xFF000000};
const std::vector<uint32_t> kColourPixels = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF000000, 0xFFFFFFFF, 0xFF0A141E};

class ImageObjectTest : public ScratchFolderTest {
protected:
    // Decodes the file through the plug-in and returns the picture as saved at its own size.
    Picture DecodeThrough(const std::string& plugin, const std::string& path, int mode = kPictureFull) {
        ImageObject image;
        if (!image.LoadPlugin(TestPlugin(plugin)) || image.LoadViaPlugin(path, mode) != 1) {
            return {};
        }
        image.FreePlugin();
        const std::string saved = PathOf("saved.bmp");
        return image.SaveBitmap(saved, kFitKeepSize) ? ReadBmp(saved) : Picture{};
    }
};

TEST_F(ImageObjectTest, QueryTellsAnImportFilterFromTheRest) {
    ImageObject image;
    PluginDescription description;
    EXPECT_EQ(image.QueryPlugin(description), kQueryNoModule);
    ASSERT_TRUE(image.LoadPlugin(TestPlugin("pnm")));
    EXPECT_EQ(image.QueryPlugin(description), kQueryImportFilter);
    EXPECT_EQ(description.description, "PNM test filter 1.0");
    EXPECT_EQ(description.extensionFilter, "*.pnm;*.pbm;*.pgm;*.ppm");
    EXPECT_EQ(description.fileTypeName, "PNM images");
    ASSERT_TRUE(image.LoadPlugin(TestPlugin("pnm_wrong_version")));
    EXPECT_EQ(image.QueryPlugin(description), kQueryNotImportFilter);
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    ASSERT_TRUE(image.LoadPlugin(WideToUtf8(system) + "\\shlwapi.dll"));
    EXPECT_EQ(image.QueryPlugin(description), kQueryFailed) << "no GetPluginInfo";
}

TEST_F(ImageObjectTest, ModulesLoadAndUnloadOnce) {
    ImageObject image;
    EXPECT_EQ(image.FreePlugin(), 0);
    EXPECT_FALSE(image.LoadPlugin(PathOf("missing.spi")));
    EXPECT_EQ(image.FreePlugin(), 0);
    ASSERT_TRUE(image.LoadPlugin(TestPlugin("pnm")));
    EXPECT_EQ(image.FreePlugin(), 1);
    EXPECT_EQ(image.FreePlugin(), 0);
    EXPECT_EQ(image.LoadViaPlugin(Write("a.pbm", kBitmapText), kPictureFull), 0) << "no module";
}

TEST_F(ImageObjectTest, EveryPnmKindDecodesThroughThePlugin) {
    EXPECT_EQ(DecodeThrough("pnm", Write("p1.pbm", kBitmapText)).bgra, kBitmapPixels);
    EXPECT_EQ(DecodeThrough("pnm", Write("p4.pbm", kBitmapBinary)).bgra, kBitmapPixels);
    EXPECT_EQ(DecodeThrough("pnm", Write("p2.pgm", kGreyText)).bgra, kGreyPixels);
    EXPECT_EQ(DecodeThrough("pnm", Write("p5.pgm", kGreyBinary)).bgra, kGreyPixels);
    EXPECT_EQ(DecodeThrough("pnm", Write("p3.ppm", kColourText)).bgra, kColourPixels);
    const Picture colour = DecodeThrough("pnm", Write("p6.ppm", kColourBinary), kPicturePreviewFirst);
    EXPECT_EQ(colour.width, 3);
    EXPECT_EQ(colour.height, 2);
    EXPECT_EQ(colour.bgra, kColourPixels);
}

TEST_F(ImageObjectTest, PluginFailuresLeaveNoImage) {
    const std::string path = Write("p6.ppm", kColourBinary);
    for (const char* plugin : {"pnm_no_preview", "pnm_refuses", "pnm_picture_fails"}) {
        for (const int mode : {kPictureFull, kPicturePreviewFirst}) {
            ImageObject image;
            ASSERT_EQ(image.LoadBmp(WritePicture("held.bmp", FlatPicture(2, 2, 0xFF00FF00))), 1);
            ASSERT_TRUE(image.LoadPlugin(TestPlugin(plugin)));
            EXPECT_EQ(image.LoadViaPlugin(path, mode), 0) << plugin << " mode " << mode;
            EXPECT_FALSE(image.HasImage()) << "the image held before is released";
        }
    }
    ImageObject image;
    ASSERT_TRUE(image.LoadPlugin(TestPlugin("pnm")));
    EXPECT_EQ(image.LoadViaPlugin(PathOf("missing.ppm"), kPictureFull), 0);
    EXPECT_EQ(image.LoadViaPlugin(Write("bad.ppm", "P6 3 2 255\nshort"), kPictureFull), 0);
    EXPECT_FALSE(image.HasImage());
}

TEST_F(ImageObjectTest, AFailingPreviewFallsBackToThePicture) {
    EXPECT_EQ(DecodeThrough("pnm_preview_fails", Write("p6.ppm", kColourBinary), kPicturePreviewFirst).bgra,
              kColourPixels);
}

TEST_F(ImageObjectTest, PathsTheAnsiCodePageCannotHoldGoByTheirShortForm) {
    MakeFolder("画像");
    EXPECT_EQ(DecodeThrough("pnm", Write("画像\\表示.ppm", kColourBinary)).bgra, kColourPixels);
    MakeFolder("한국어 폴더");
    EXPECT_EQ(DecodeThrough("pnm", Write("한국어 폴더\\그림.ppm", kColourBinary)).bgra, kColourPixels);
}

// The plug-in's own blocks, as GetPicture hands them over, built into a BMP file image.
std::string FileImageFromPlugin(const std::string& path) {
    using GetPicture = int(WINAPI*)(LPCSTR, LONG_PTR, unsigned int, HANDLE*, HANDLE*, FARPROC, LONG_PTR);
    UniqueModule module(LoadLibraryW(Utf8ToWide(TestPlugin("pnm")).c_str()));
    const auto getPicture =
        reinterpret_cast<GetPicture>(reinterpret_cast<void*>(GetProcAddress(module.Get(), "GetPicture")));
    HANDLE info = nullptr, pixels = nullptr;
    if (getPicture == nullptr || getPicture(path.c_str(), 0, 0, &info, &pixels, nullptr, 0) != 0) {
        return {};
    }
    const auto bytes = [](HANDLE block) {
        return std::span<const uint8_t>(static_cast<const uint8_t*>(LocalLock(block)), LocalSize(block));
    };
    std::string file = BuildPluginBmpFile(bytes(info), bytes(pixels)).file;
    LocalUnlock(info);
    LocalUnlock(pixels);
    LocalFree(info);
    LocalFree(pixels);
    return file;
}

uint32_t PixelOffset(const std::string& file) {
    return file.size() < 14 ? 0 : static_cast<uint8_t>(file[10]) | static_cast<uint8_t>(file[11]) << 8;
}

TEST_F(ImageObjectTest, PluginPicturesBecomeFileImagesWithTheirPixelOffsets) {
    EXPECT_EQ(PixelOffset(FileImageFromPlugin(Write("p1.pbm", kBitmapText))), 1078u);
    EXPECT_EQ(PixelOffset(FileImageFromPlugin(Write("p5.pgm", kGreyBinary))), 1078u);
    EXPECT_EQ(PixelOffset(FileImageFromPlugin(Write("p6.ppm", kColourBinary))), 54u);
}

TEST_F(ImageObjectTest, AnImageOutlivesItsModuleAndTheObjectReleasesIt) {
    ImageObject image;
    ASSERT_TRUE(image.LoadPlugin(TestPlugin("pnm")));
    ASSERT_EQ(image.LoadViaPlugin(Write("p6.ppm", kColourBinary), kPictureFull), 1);
    EXPECT_EQ(image.FreePlugin(), 1);
    InfoHeaderBytes header{};
    ASSERT_EQ(image.GetHeader(header), 1);
    EXPECT_EQ(HeaderWidth(header), 3);
    EXPECT_EQ(HeaderHeight(header), 2);
    EXPECT_EQ(LibLiveImageCount(), 1);
}

TEST_F(ImageObjectTest, TheHeldImageSizeIsThatOfTheImageHeld) {
    ImageObject image;
    EXPECT_EQ(image.HeldImageSize(), std::nullopt);
    ASSERT_TRUE(image.LoadPlugin(TestPlugin("pnm")));
    ASSERT_EQ(image.LoadViaPlugin(Write("p6.ppm", kColourBinary), kPictureFull), 1);
    EXPECT_EQ(image.HeldImageSize(), (Size{3, 2}));
    image.ReleaseImage();
    EXPECT_EQ(image.HeldImageSize(), std::nullopt);
}

} // namespace
} // namespace pelaconf
