#include "image/resampler.h"

#include <algorithm>
#include <exception>

namespace pelaconf {
namespace {

// Weights are fixed-point fractions of kOne; the weights of every target pixel sum to exactly kOne,
// and none is negative, so a flat colour comes out unchanged and sums never exceed kOne x 65535.
constexpr int kWeightBits = 14;
constexpr int64_t kOne = int64_t{1} << kWeightBits;

// Between the two passes each channel keeps 8 bits below its 8-bit value (16 bits in a uint64_t
// of four channels), so that rounding happens once, at the end.
template <int Bits> struct Format;
template <> struct Format<8> { using Pixel = uint32_t; };
template <> struct Format<16> { using Pixel = uint64_t; };
template <int Bits> using PixelOf = typename Format<Bits>::Pixel;

// For each target pixel along one axis: the first source pixel it uses and the weights of that
// pixel and the ones after it.
struct AxisWeights {
    struct Target {
        int first;
        int count;
        size_t offset;
    };
    std::vector<Target> targets;
    std::vector<uint32_t> weights;

    void Add(int64_t first, std::initializer_list<int64_t> taps) {
        targets.push_back({static_cast<int>(first), static_cast<int>(taps.size()), weights.size()});
        for (const int64_t tap : taps) {
            weights.push_back(static_cast<uint32_t>(tap));
        }
    }
    void AddTap(int64_t weight) {
        weights.push_back(static_cast<uint32_t>(weight));
        ++targets.back().count;
    }
};

// Source pixel k covers [k * target, (k + 1) * target) and target pixel i covers
// [i * source, (i + 1) * source), both in units of 1 / target of a source pixel; a source pixel
// weighs what it overlaps. Rounding the running total keeps the sum of the weights exact.
AxisWeights AreaWeights(int source, int target) {
    AxisWeights axis;
    for (int64_t i = 0; i < target; ++i) {
        const int64_t left = i * source;
        const int64_t right = left + source;
        const int64_t firstPixel = left / target;
        axis.Add(firstPixel, {});
        int64_t covered = 0;
        int64_t given = 0;
        for (int64_t k = firstPixel; k * target < right; ++k) {
            covered += std::min(right, (k + 1) * target) - std::max(left, k * target);
            const int64_t total = (covered * kOne + source / 2) / source;
            axis.AddTap(total - given);
            given = total;
        }
    }
    return axis;
}

// Pixel centres line up: target pixel i samples the source at (i + 0.5) * source / target - 0.5,
// held at the first and last source pixels.
AxisWeights BilinearWeights(int source, int target) {
    AxisWeights axis;
    for (int64_t i = 0; i < target; ++i) {
        // In units of 1 / (2 * target) of a source pixel.
        const int64_t position = std::max<int64_t>(0, (2 * i + 1) * source - target);
        const int64_t pixel = position / (2 * target);
        const int64_t fraction = ((position % (2 * target)) * kOne + target) / (2 * target);
        if (pixel >= source - 1 || fraction == 0) {
            axis.Add(std::min<int64_t>(pixel, source - 1), {kOne});
        } else {
            axis.Add(pixel, {kOne - fraction, fraction});
        }
    }
    return axis;
}

AxisWeights WeightsFor(int source, int target) {
    return target < source ? AreaWeights(source, target) : BilinearWeights(source, target);
}

template <int Bits> void AddWeighted(uint32_t* sum, uint64_t pixel, uint32_t weight) {
    constexpr uint64_t mask = (uint64_t{1} << Bits) - 1;
    for (int ch = 0; ch < 4; ++ch) {
        sum[ch] += static_cast<uint32_t>((pixel >> (Bits * ch)) & mask) * weight;
    }
}

template <int InBits, int OutBits> PixelOf<OutBits> Pack(const uint32_t* sum) {
    constexpr int shift = kWeightBits + InBits - OutBits;
    PixelOf<OutBits> packed = 0;
    for (int ch = 0; ch < 4; ++ch) {
        const uint32_t value = (sum[ch] + (uint32_t{1} << (shift - 1))) >> shift;
        packed |= static_cast<PixelOf<OutBits>>(value) << (OutBits * ch);
    }
    return packed;
}

// Resamples every row of a width x height plane to axis.targets.size() pixels.
template <int InBits, int OutBits>
void ResizeAcross(const PixelOf<InBits>* in, int width, int height, const AxisWeights& axis, PixelOf<OutBits>* out) {
    for (int y = 0; y < height; ++y) {
        const PixelOf<InBits>* row = in + static_cast<size_t>(y) * static_cast<size_t>(width);
        for (const auto& target : axis.targets) {
            uint32_t sum[4] = {};
            const uint32_t* weight = axis.weights.data() + target.offset;
            for (int k = 0; k < target.count; ++k) {
                AddWeighted<InBits>(sum, row[target.first + k], weight[k]);
            }
            *out++ = Pack<InBits, OutBits>(sum);
        }
    }
}

// Resamples every column of a plane `width` wide to axis.targets.size() rows, a row at a time.
template <int InBits, int OutBits>
void ResizeDown(const PixelOf<InBits>* in, int width, const AxisWeights& axis, PixelOf<OutBits>* out) {
    const size_t w = static_cast<size_t>(width);
    std::vector<uint32_t> sums(4 * w);
    for (const auto& target : axis.targets) {
        std::fill(sums.begin(), sums.end(), 0);
        for (int k = 0; k < target.count; ++k) {
            const PixelOf<InBits>* row = in + static_cast<size_t>(target.first + k) * w;
            const uint32_t weight = axis.weights[target.offset + static_cast<size_t>(k)];
            for (size_t x = 0; x < w; ++x) {
                AddWeighted<InBits>(&sums[4 * x], row[x], weight);
            }
        }
        for (size_t x = 0; x < w; ++x) {
            *out++ = Pack<InBits, OutBits>(&sums[4 * x]);
        }
    }
}

} // namespace

std::optional<Picture> Resize(const Picture& picture, int newWidth, int newHeight) {
    if (!IsValidPicture(picture) || newWidth <= 0 || newHeight <= 0 ||
        !FitsPictureLimit(static_cast<uint64_t>(newWidth), static_cast<uint64_t>(newHeight))) {
        return std::nullopt;
    }
    try {
        const AxisWeights across = WeightsFor(picture.width, newWidth);
        const AxisWeights down = WeightsFor(picture.height, newHeight);
        Picture result{newWidth, newHeight, {}};
        result.bgra.resize(static_cast<size_t>(newWidth) * static_cast<size_t>(newHeight));
        // The pass that leaves the smaller plane between the two goes first. Sizes are counted in
        // 64 bits, so that no product wraps where size_t is 32 bits wide.
        const uint64_t acrossFirst = uint64_t{static_cast<uint32_t>(newWidth)} * static_cast<uint32_t>(picture.height);
        const uint64_t downFirst = uint64_t{static_cast<uint32_t>(picture.width)} * static_cast<uint32_t>(newHeight);
        const uint64_t betweenPixels = std::min(acrossFirst, downFirst);
        if (betweenPixels > static_cast<uint64_t>(kMaxPicturePixels)) {
            return std::nullopt;
        }
        std::vector<uint64_t> between(static_cast<size_t>(betweenPixels));
        if (acrossFirst <= downFirst) {
            ResizeAcross<8, 16>(picture.bgra.data(), picture.width, picture.height, across, between.data());
            ResizeDown<16, 8>(between.data(), newWidth, down, result.bgra.data());
        } else {
            ResizeDown<8, 16>(picture.bgra.data(), picture.width, down, between.data());
            ResizeAcross<16, 8>(between.data(), picture.width, newHeight, across, result.bgra.data());
        }
        return result;
    } catch (const std::exception&) { // bad_alloc, or length_error past a container's limit
        return std::nullopt;
    }
}

} // namespace pelaconf
