#include "image/fitting.h"

#include <gtest/gtest.h>

namespace pelaconf {
namespace {

constexpr Size kScreen{1024, 768};

TEST(SaveBitmapSize, FitsToTheScreenByMode) {
    EXPECT_EQ(SaveBitmapSize({1600, 1200}, kScreen, kFitShrinkOnly), (Size{1024, 768}));
    EXPECT_EQ(SaveBitmapSize({800, 600}, kScreen, kFitShrinkOnly), (Size{800, 600}));
    EXPECT_EQ(SaveBitmapSize({800, 600}, kScreen, kFitToScreen), (Size{1024, 768}));
    EXPECT_EQ(SaveBitmapSize({2000, 100}, kScreen, kFitToScreen), (Size{1024, 51}));
    EXPECT_EQ(SaveBitmapSize({2000, 100}, kScreen, kFitShrinkOnly), (Size{1024, 51}));
    // Taller than the screen: the height decides, with the per-mille ratio's truncation.
    EXPECT_EQ(SaveBitmapSize({600, 1200}, kScreen, kFitShrinkOnly), (Size{384, 768}));
    EXPECT_EQ(SaveBitmapSize({1000, 3000}, kScreen, kFitShrinkOnly), (Size{256, 768}));
    // Only one side larger still shrinks.
    EXPECT_EQ(SaveBitmapSize({1025, 10}, kScreen, kFitShrinkOnly), (Size{1024, 9}));
    EXPECT_EQ(SaveBitmapSize({1024, 768}, kScreen, kFitShrinkOnly), (Size{1024, 768}));
}

TEST(SaveBitmapSize, KeepsTheSizeForOtherModes) {
    for (const int mode : {0, -1, 3}) {
        EXPECT_EQ(SaveBitmapSize({1600, 1200}, kScreen, mode), (Size{1600, 1200})) << mode;
    }
    // Nothing to divide when no scaling is asked for.
    EXPECT_EQ(SaveBitmapSize({0, 0}, kScreen, kFitKeepSize), (Size{0, 0}));
}

TEST(SaveBitmapSize, NeverGivesAnEmptyOrOverflowedSize) {
    // The image width times the per-mille ratio exceeds 32 bits here.
    EXPECT_EQ(SaveBitmapSize({3000, 1}, kScreen, kFitToScreen), (Size{1024, 1}));
    EXPECT_EQ(SaveBitmapSize({1, 100000}, kScreen, kFitToScreen), (Size{1, 768}));
    EXPECT_EQ(SaveBitmapSize({16384, 16384}, {16384, 16384}, kFitToScreen), (Size{16384, 16384}));
    EXPECT_FALSE(SaveBitmapSize({0, 600}, kScreen, kFitToScreen));
    EXPECT_FALSE(SaveBitmapSize({800, -600}, kScreen, kFitShrinkOnly));
    EXPECT_FALSE(SaveBitmapSize({800, 600}, {0, 0}, kFitToScreen));
}

TEST(DrawFittedRect, CentresTheImageInsideTheBorder) {
    EXPECT_EQ(DrawFittedRect({400, 300}, {10, 20, 182, 162}), (Rect{11, 33, 180, 135}));
    EXPECT_EQ(DrawFittedRect({400, 300}, {10, 20, 242, 122}), (Rect{51, 21, 160, 120}));
    // Small images are enlarged to fill the frame in one direction.
    EXPECT_EQ(DrawFittedRect({40, 30}, {0, 0, 182, 162}), (Rect{1, 13, 180, 135}));
    // An exact fit is drawn as it is.
    EXPECT_EQ(DrawFittedRect({400, 300}, {0, 0, 402, 302}), (Rect{1, 1, 400, 300}));
}

TEST(DrawFittedRect, KeepsAtLeastOnePixelAndRefusesNothingToDraw) {
    // The height ratio truncates to 0.
    EXPECT_EQ(DrawFittedRect({2000, 1}, {0, 0, 102, 102}), (Rect{1, 51, 100, 1}));
    EXPECT_EQ(DrawFittedRect({1, 2000}, {0, 0, 102, 102}), (Rect{51, 1, 1, 100}));
    EXPECT_FALSE(DrawFittedRect({400, 300}, {0, 0, 2, 100}));
    EXPECT_FALSE(DrawFittedRect({400, 300}, {0, 0, 100, 1}));
    EXPECT_FALSE(DrawFittedRect({0, 300}, {0, 0, 100, 100}));
    EXPECT_FALSE(DrawFittedRect({400, -300}, {0, 0, 100, 100}));
}

} // namespace
} // namespace pelaconf
