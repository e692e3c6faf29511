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

// Every channel of every pixel different, from a fixed seed.
Picture Noise(int width, int height, uint32_t seed) {
    Picture picture{width, height, {}};
    for (int i = 0; i < width * height; ++i) {
        seed = seed * 1664525u + 1013904223u;
        picture.bgra.push_back(seed);
    }
    return picture;
}

uint64_t Fingerprint(const Picture& picture) {
    uint64_t hash = 14695981039346656037ull; // FNV-1a over the bytes B, G, R, A
    for (const uint32_t pixel : picture.bgra) {
        for (int byte = 0; byte < 4; ++byte) {
            hash = (hash ^ ((pixel >> (8 * byte)) & 0xFF)) * 1099511628211ull;
        }
    }
    return hash;
}

// Fingerprints of the results before the resampler worked in bands of rows: every case of area
// averaging and bilinear enlarging, each pass order, must keep giving exactly these pixels.
struct KnownResult {
    int width, height, newWidth, newHeight;
    uint64_t fingerprint;
};
constexpr KnownResult kKnownResults[] = {
    {301, 203, 97, 61, 0x7f9729dc13c8b740ull},  {61, 37, 150, 90, 0x0339b97d0b6abd97ull},
    {200, 30, 50, 70, 0x85d0f635dbbb1762ull},   {40, 300, 90, 41, 0x2e39e5ecb21c5b93ull},
    {600, 400, 102, 68, 0xcb9c864c977e9384ull}, {64, 64, 64, 17, 0x484bb629a04c9f9full},
    {50, 20, 20, 90, 0xf880c9de1d1e1b5dull},    {17, 23, 40, 60, 0xf7b9fc8e849b0a0dull},
};

Picture SourceOf(const KnownResult& known) {
    return Noise(known.width, known.height, static_cast<uint32_t>(known.width * 7 + known.height));
}

TEST(Resize, GivesExactlyTheKnownPixels) {
    for (const KnownResult& known : kKnownResults) {
        const auto resized = Resize(SourceOf(known), known.newWidth, known.newHeight);
        ASSERT_TRUE(resized);
        EXPECT_EQ(Fingerprint(*resized), known.fingerprint) << known.width << "x" << known.height;
    }
}

TEST(BandResizer, GivesWhatResizeGivesWhateverTheBands) {
    for (const KnownResult& known : kKnownResults) {
        const Picture source = SourceOf(known);
        for (const int bandRows : {1, 7, known.height}) {
            auto resizer = BandResizer::Make(known.width, known.height, known.newWidth, known.newHeight);
            ASSERT_TRUE(resizer);
            for (int first = 0; first < known.height; first += bandRows) {
                EXPECT_FALSE(resizer->Finished());
                resizer->AddRows(source.bgra.data() + static_cast<size_t>(first) * known.width,
                                 std::min(bandRows, known.height - first));
            }
            const auto resized = resizer->Take();
            ASSERT_TRUE(resized);
            EXPECT_EQ(Fingerprint(*resized), known.fingerprint) << known.width << "x" << known.height << " in "
                                                                << bandRows;
        }
    }
    auto unfinished = BandResizer::Make(4, 4, 2, 2);
    EXPECT_FALSE(unfinished->Take()) << "a picture without its last rows";
    EXPECT_FALSE(BandResizer::Make(4, 4, 0, 2));
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
