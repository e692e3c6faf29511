#include "image/fitted_decoding.h"
#include "image/resampler.h"
#include "image/upright_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

namespace pelaconf {
namespace {

// Smooth colours, as in a photograph: red across, green down, blue along the diagonal.
Picture Gradient(int width, int height) {
    Picture picture{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t r = 255u * x / (width - 1), g = 255u * y / (height - 1);
            const uint32_t b = 255u * (x + y) / (width + height - 2);
            picture.bgra.push_back(0xFF000000u | r << 16 | g << 8 | b);
        }
    }
    return picture;
}

// A decoder that scales by averaging blocks of 2 x 2, 4 x 4 or 8 x 8 pixels, as a decoder that
// scales in the DCT roughly does.
class ScalingSource : public RowSource {
public:
    ScalingSource(Picture full, std::vector<int> divisors) : full_(std::move(full)), divisors_(std::move(divisors)) {}

    Size FullSize() const override { return {full_.width, full_.height}; }
    std::vector<Size> ScaledSizes() const override {
        std::vector<Size> sizes;
        for (const int d : divisors_) {
            sizes.push_back({(full_.width + d - 1) / d, (full_.height + d - 1) / d});
        }
        return sizes;
    }
    bool ReadRows(Size size, int first, int count, uint32_t* out) override {
        sizesRead.insert({size.width, size.height});
        largestBand = std::max(largestBand, count);
        if (failReads) {
            return false;
        }
        const int d = (full_.width + size.width - 1) / size.width;
        for (int y = first; y < first + count; ++y) {
            for (int x = 0; x < size.width; ++x) {
                *out++ = BlockAverage(x * d, y * d, d);
            }
        }
        return true;
    }

    std::set<std::pair<int, int>> sizesRead;
    int largestBand = 0;
    bool failReads = false;

private:
    uint32_t BlockAverage(int left, int top, int d) const {
        uint32_t sums[3] = {}, n = 0;
        for (int y = top; y < std::min(top + d, full_.height); ++y) {
            for (int x = left; x < std::min(left + d, full_.width); ++x, ++n) {
                const uint32_t pixel = full_.bgra[static_cast<size_t>(y) * full_.width + x];
                for (int ch = 0; ch < 3; ++ch) {
                    sums[ch] += (pixel >> (8 * ch)) & 0xFF;
                }
            }
        }
        uint32_t pixel = 0xFF000000u;
        for (int ch = 0; ch < 3; ++ch) {
            pixel |= (sums[ch] + n / 2) / n << (8 * ch);
        }
        return pixel;
    }

    Picture full_;
    std::vector<int> divisors_;
};

int LargestChannelDifference(const Picture& a, const Picture& b) {
    int largest = 0;
    for (size_t i = 0; i < a.bgra.size(); ++i) {
        for (int ch = 0; ch < 4; ++ch) {
            const int difference = static_cast<int>((a.bgra[i] >> (8 * ch)) & 0xFF) -
                                   static_cast<int>((b.bgra[i] >> (8 * ch)) & 0xFF);
            largest = std::max(largest, std::abs(difference));
        }
    }
    return largest;
}

TEST(DecodeSizeFor, IsTheSmallestScaledSizeThatCoversTheTarget) {
    const Size full{6000, 4000};
    const std::vector<Size> scaled{{3000, 2000}, {1500, 1000}, {750, 500}};
    EXPECT_EQ(DecodeSizeFor(full, {1024, 683}, scaled), (Size{1500, 1000}));
    EXPECT_EQ(DecodeSizeFor(full, {750, 500}, scaled), (Size{750, 500}));
    EXPECT_EQ(DecodeSizeFor(full, {1500, 1001}, scaled), (Size{3000, 2000})) << "both sides must be covered";
    EXPECT_EQ(DecodeSizeFor(full, {4000, 3000}, scaled), full);
    EXPECT_EQ(DecodeSizeFor(full, {100, 100}, {}), full);
    EXPECT_EQ(DecodeSizeFor({600, 400}, {100, 100}, {{700, 500}}), (Size{600, 400})) << "never above the full size";
}

TEST(DecodeFitted, WithoutScalingGivesExactlyWhatResizingTheWholePictureGives) {
    const Picture full = Gradient(300, 200);
    for (const Size target : {Size{97, 61}, Size{450, 300}, Size{300, 70}}) {
        ScalingSource source(full, {});
        const auto fitted = DecodeFitted(source, target);
        ASSERT_TRUE(fitted);
        EXPECT_EQ(*fitted, *Resize(full, target.width, target.height));
        EXPECT_EQ(source.sizesRead, (std::set<std::pair<int, int>>{{300, 200}}));
        EXPECT_LT(source.largestBand, 200) << "read in bands, not whole";
    }
}

// The scaled decode differs from resizing the whole picture only by the decoder's own averaging:
// on smooth colours, by at most 2 of 255 levels in any channel.
TEST(DecodeFitted, AScaledSourceGivesTheSameFittedPictureWithinTwoLevels) {
    constexpr int kTolerance = 2;
    const Picture full = Gradient(600, 400);
    ScalingSource source(full, {2, 4, 8});
    const auto fitted = DecodeFitted(source, {100, 66});
    ASSERT_TRUE(fitted);
    EXPECT_EQ(source.sizesRead, (std::set<std::pair<int, int>>{{150, 100}}));
    const auto expected = Resize(full, 100, 66);
    ASSERT_EQ(fitted->width, expected->width);
    ASSERT_EQ(fitted->height, expected->height);
    EXPECT_LE(LargestChannelDifference(*fitted, *expected), kTolerance);
}

// Rows placed upright band by band give what turning the whole picture gives, for every orientation.
TEST(DecodeUpright, PlacesEachBandWhereTurningTheWholePicturePutsIt) {
    const Picture full = Gradient(70, 150);
    for (int orientation = 1; orientation <= 8; ++orientation) {
        ScalingSource source(full, {});
        const auto upright = DecodeUpright(source, orientation);
        ASSERT_TRUE(upright) << orientation;
        EXPECT_EQ(*upright, *TurnUpright(full, orientation)) << orientation;
        EXPECT_LT(source.largestBand, 150) << "read in bands, not whole";
    }
}

// A quarter-turned picture is fitted by its upright size, so the decoder is asked for the
// swapped size: a 600 x 400 picture wanted upright at 66 x 100 decodes at 150 x 100.
TEST(DecodeFittedUpright, DecodesAtTheStoredFormOfTheUprightTarget) {
    constexpr int kTolerance = 2;
    const Picture full = Gradient(600, 400);
    for (const int orientation : {kOrientationQuarterRight, kOrientationTransverse}) {
        ScalingSource source(full, {2, 4, 8});
        const auto fitted = DecodeFittedUpright(source, {66, 100}, orientation);
        ASSERT_TRUE(fitted);
        EXPECT_EQ(source.sizesRead, (std::set<std::pair<int, int>>{{150, 100}}));
        const auto expected = TurnUpright(*Resize(full, 100, 66), orientation);
        ASSERT_EQ(fitted->width, 66);
        ASSERT_EQ(fitted->height, 100);
        EXPECT_LE(LargestChannelDifference(*fitted, *expected), kTolerance);
    }
}

TEST(DecodeFitted, FailsWhenTheDecoderFails) {
    ScalingSource source(Gradient(30, 20), {2});
    source.failReads = true;
    EXPECT_FALSE(DecodeFitted(source, {10, 6}));
    EXPECT_FALSE(DecodeFitted(source, {0, 6}));
    EXPECT_FALSE(DecodeUpright(source, kOrientationQuarterLeft));
}

} // namespace
} // namespace pelaconf
