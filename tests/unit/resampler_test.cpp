#include "image/resampler.h"

#include "flat_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace pelaconf {
namespace {

// Opaque grey levels, row after row.
Picture Greys(int width, int height, std::vector<uint32_t> levels) {
    Picture picture{width, height, {}};
    for (const uint32_t level : levels) {
        picture.bgra.push_back(0xFF000000u | level << 16 | level << 8 | level);
    }
    return picture;
}

// The grey level of each pixel, after checking that its channels agree and it stayed opaque.
std::vector<uint32_t> GreyLevels(const Picture& picture) {
    std::vector<uint32_t> levels;
    for (const uint32_t pixel : picture.bgra) {
        const uint32_t level = pixel & 0xFF;
        EXPECT_EQ(pixel, 0xFF000000u | level << 16 | level << 8 | level);
        levels.push_back(level);
    }
    return levels;
}

Picture Checkerboard(int width, int height) {
    Picture picture{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.bgra.push_back((x + y) % 2 == 0 ? 0xFF000000u : 0xFFFFFFFFu);
        }
    }
    return picture;
}

TEST(Resize, KeepsAFlatColourExactlyFlat) {
    const uint32_t colour = 0x80FF4001; // every channel different, alpha included
    const struct {
        int width, height, newWidth, newHeight;
    } cases[] = {
        {100, 60, 37, 23}, {7, 5, 3, 11}, {3, 3, 10, 10}, {1, 1, 5, 4}, {6000, 2, 1024, 1}, {9, 9, 9, 9},
    };
    for (const auto& c : cases) {
        const auto resized = Resize(FlatPicture(c.width, c.height, colour), c.newWidth, c.newHeight);
        ASSERT_TRUE(resized) << c.newWidth << "x" << c.newHeight;
        EXPECT_EQ(resized->width, c.newWidth);
        EXPECT_EQ(resized->height, c.newHeight);
        EXPECT_EQ(*resized, FlatPicture(c.newWidth, c.newHeight, colour)) << c.newWidth << "x" << c.newHeight;
    }
}

TEST(Resize, AveragesAFinePixelCheckerboardToGreyWhenHalving) {
    for (const auto& [width, height] : {std::pair{8, 8}, std::pair{10, 6}, std::pair{2, 2}}) {
        const auto halved = Resize(Checkerboard(width, height), width / 2, height / 2);
        ASSERT_TRUE(halved);
        const std::vector<uint32_t> levels = GreyLevels(*halved);
        EXPECT_TRUE(std::all_of(levels.begin(), levels.end(), [](uint32_t level) { return level == 128; }));
    }
}

TEST(Resize, ShrinksByAreaIncludingPartlyCoveredPixels) {
    EXPECT_EQ(GreyLevels(*Resize(Greys(4, 1, {0, 100, 200, 40}), 2, 1)), (std::vector<uint32_t>{50, 120}));
    // Three into two: each target pixel covers one and a half source pixels.
    EXPECT_EQ(GreyLevels(*Resize(Greys(3, 1, {0, 90, 180}), 2, 1)), (std::vector<uint32_t>{30, 150}));
    // The same along the other axis.
    EXPECT_EQ(GreyLevels(*Resize(Greys(1, 3, {0, 90, 180}), 1, 2)), (std::vector<uint32_t>{30, 150}));
    // Everything into one pixel is the mean.
    EXPECT_EQ(GreyLevels(*Resize(Greys(2, 2, {0, 60, 120, 20}), 1, 1)), (std::vector<uint32_t>{50}));
}

TEST(Resize, EnlargesBilinearlyBetweenPixelCentres) {
    EXPECT_EQ(GreyLevels(*Resize(Greys(2, 1, {0, 200}), 4, 1)), (std::vector<uint32_t>{0, 50, 150, 200}));
    EXPECT_EQ(GreyLevels(*Resize(Greys(1, 2, {0, 200}), 1, 4)), (std::vector<uint32_t>{0, 50, 150, 200}));
    // One axis shrinks while the other grows.
    EXPECT_EQ(GreyLevels(*Resize(Greys(4, 1, {0, 100, 200, 40}), 2, 3)),
              (std::vector<uint32_t>{50, 120, 50, 120, 50, 120}));
}

TEST(Resize, KeepsTheSameSizeUnchanged) {
    Picture picture{5, 3, {}};
    for (uint32_t i = 0; i < 15; ++i) {
        picture.bgra.push_back(i * 0x11223344u);
    }
    EXPECT_EQ(*Resize(picture, 5, 3), picture);
}

TEST(Resize, RefusesInvalidPicturesAndSizes) {
    const Picture picture = FlatPicture(4, 4, 0xFF000000);
    EXPECT_FALSE(Resize(picture, 0, 4));
    EXPECT_FALSE(Resize(picture, 4, -1));
    EXPECT_FALSE(Resize(picture, 16384, 16385));
    EXPECT_FALSE(Resize(Picture{}, 4, 4));
    EXPECT_FALSE(Resize(Picture{4, 4, {0}}, 2, 2));
}

// The resampler refuses to make what no decoder would give.
TEST(PictureLimit, IsTheResamplersToo) {
    EXPECT_TRUE(FitsPictureLimit(8192, 8192));
    EXPECT_TRUE(FitsPictureLimit(kMaxPicturePixels, 1));
    EXPECT_FALSE(FitsPictureLimit(8192, 8193));
    EXPECT_FALSE(FitsPictureLimit(uint64_t{1} << 32, uint64_t{1} << 32)); // the product would wrap
    const Picture one{1, 1, {0xFF000000u}};
    EXPECT_FALSE(Resize(one, 8193, 8192).has_value());
}

} // namespace
} // namespace pelaconf
