// The image object saving at the screen's size and drawing into a frame.
#include "image/fitting.h"
#include "susie/image_object_win.h"

#include "image_test_support.h"

namespace pelaconf {
namespace {

constexpr uint32_t kRed = 0xFFFF0000;

class ImageFittingTest : public ScratchFolderTest {
protected:
    // The size the image is saved at with the fit mode, or 0 x 0 when the save fails.
    Size SavedSize(int width, int height, int fitMode) {
        ImageObject image;
        if (image.LoadBmp(WritePicture("source.bmp", FlatPicture(width, height, kRed))) != 1) {
            return {};
        }
        const std::string target = PathOf("Wallpaper.bmp");
        const int saved = image.SaveBitmap(target, fitMode);
        EXPECT_FALSE(image.HasImage()) << "saving releases the image";
        if (!saved) {
            return {};
        }
        const Picture picture = ReadBmp(target);
        return {picture.width, picture.height};
    }
};

// Read from the screen the test runs on, so that the sizes hold on any screen (even in both
// directions, as the screens of Xvfb and of Windows are).
Size ScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

TEST_F(ImageFittingTest, SavesAtTheScreenSizeByFitMode) {
    const Size screen = ScreenSize();
    const int w = screen.width, h = screen.height;
    ASSERT_TRUE(w > 0 && h > 0 && w % 2 == 0 && h % 2 == 0) << w << " x " << h;
    EXPECT_EQ(SavedSize(2 * w, 2 * h, kFitShrinkOnly), screen);
    EXPECT_EQ(SavedSize(w / 2, h / 2, kFitShrinkOnly), (Size{w / 2, h / 2}));
    EXPECT_EQ(SavedSize(w / 2, h / 2, kFitToScreen), screen);
    EXPECT_EQ(SavedSize(3 * w, 100, kFitToScreen), (Size{w, 33}));
    EXPECT_EQ(SavedSize(w + 576, h + 432, kFitKeepSize), (Size{w + 576, h + 432}));
}

// Decoded straight to the size it is saved at, an image is still measured by its size in the file
// and saved as it would be from the whole picture.
TEST_F(ImageFittingTest, AnImageDecodedFittedIsSavedAsTheWholeImage) {
    const Size screen = ScreenSize();
    for (const int fitMode : {kFitToScreen, kFitKeepSize}) {
        ImageObject whole, fitted;
        fitted.FitWhileLoading([&](Size size) { return SaveBitmapSize(size, screen, fitMode); });
        ASSERT_EQ(whole.LoadJpeg(TestImage("gradient.jpg")), 1);
        ASSERT_EQ(fitted.LoadJpeg(TestImage("gradient.jpg")), 1);
        EXPECT_EQ(fitted.HeldImageSize(), (Size{90, 150}));
        ASSERT_EQ(whole.SaveBitmap(PathOf("whole.bmp"), fitMode), 1);
        ASSERT_EQ(fitted.SaveBitmap(PathOf("fitted.bmp"), fitMode), 1);
        EXPECT_EQ(ReadBmp(PathOf("fitted.bmp")), ReadBmp(PathOf("whole.bmp"))) << "fit mode " << fitMode;
    }
}

TEST_F(ImageFittingTest, AFailedSaveStillReleasesTheImage) {
    ImageObject image;
    EXPECT_EQ(image.SaveBitmap(PathOf("Wallpaper.bmp"), kFitKeepSize), 0) << "no image";
    ASSERT_EQ(image.LoadBmp(WritePicture("source.bmp", FlatPicture(4, 4, kRed))), 1);
    EXPECT_EQ(image.SaveBitmap(MakeFolder("Wallpaper.bmp"), kFitToScreen), 0);
    EXPECT_FALSE(image.HasImage());
}

// Where the red image landed on the white canvas: the bounding box of red pixels.
Rect RedArea(const DibCanvas& canvas, int width, int height) {
    int left = width, top = height, right = -1, bottom = -1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (canvas.Pixel(x, y) == 0xFF0000) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? Rect{} : Rect{left, top, right - left + 1, bottom - top + 1};
}

TEST_F(ImageFittingTest, DrawsCentredInsideTheFrameKeepingTheAspectRatio) {
    const struct {
        Rect frame;
        Rect drawn;
    } cases[] = {{{10, 20, 182, 162}, {11, 33, 180, 135}}, {{5, 7, 242, 122}, {46, 8, 160, 120}}};
    for (const auto& c : cases) {
        ImageObject image;
        ASSERT_EQ(image.LoadBmp(WritePicture("source.bmp", FlatPicture(400, 300, kRed))), 1);
        DibCanvas canvas(260, 200);
        ASSERT_TRUE(canvas.IsReady());
        EXPECT_GT(image.DrawFitted(canvas.Dc(), c.frame.x, c.frame.y, c.frame.width, c.frame.height), 0);
        EXPECT_EQ(RedArea(canvas, 260, 200), c.drawn) << c.frame.width << " x " << c.frame.height;
    }
}

TEST_F(ImageFittingTest, NothingIsDrawnWithoutAnImageOrInsideTheFrame) {
    DibCanvas canvas(20, 20);
    ImageObject image;
    EXPECT_EQ(image.DrawFitted(canvas.Dc(), 0, 0, 20, 20), 0);
    ASSERT_EQ(image.LoadBmp(WritePicture("source.bmp", FlatPicture(4, 3, kRed))), 1);
    EXPECT_EQ(image.DrawFitted(canvas.Dc(), 0, 0, 2, 20), 0);
    EXPECT_EQ(RedArea(canvas, 20, 20), Rect{});
}

} // namespace
} // namespace pelaconf
