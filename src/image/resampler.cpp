#include "image/resampler.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <vector>

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

// A channel's sum stays below kOne x 65535 < 2^32, so two channels share a 64-bit word, each in
// its own 32 bits (channels 0 and 2 in one word, 1 and 3 in the other) and never carry into each
// other: the sums are those of four separate channels, made in half the multiplications.
template <int Bits> void AddWeighted(uint64_t* sum, uint64_t pixel, uint32_t weight) {
    constexpr uint64_t mask = (uint64_t{1} << Bits) - 1;
    const uint64_t evens = (pixel & mask) | ((pixel >> (2 * Bits)) & mask) << 32;
    const uint64_t odds = ((pixel >> Bits) & mask) | ((pixel >> (3 * Bits)) & mask) << 32;
    sum[0] += evens * weight;
    sum[1] += odds * weight;
}

template <int InBits, int OutBits> PixelOf<OutBits> Pack(const uint64_t* sum) {
    constexpr int shift = kWeightBits + InBits - OutBits;
    constexpr uint64_t half = uint64_t{1} << (shift - 1);
    const uint32_t channels[4] = {static_cast<uint32_t>(sum[0]), static_cast<uint32_t>(sum[1]),
                                  static_cast<uint32_t>(sum[0] >> 32), static_cast<uint32_t>(sum[1] >> 32)};
    PixelOf<OutBits> packed = 0;
    for (int ch = 0; ch < 4; ++ch) {
        const uint32_t value = static_cast<uint32_t>((channels[ch] + half) >> shift);
        packed |= static_cast<PixelOf<OutBits>>(value) << (OutBits * ch);
    }
    return packed;
}

// Resamples one row to axis.targets.size() pixels.
template <int InBits, int OutBits>
void ResizeRowAcross(const PixelOf<InBits>* row, const AxisWeights& axis, PixelOf<OutBits>* out) {
    for (const auto& target : axis.targets) {
        uint64_t sum[2] = {};
        const uint32_t* weight = axis.weights.data() + target.offset;
        for (int k = 0; k < target.count; ++k) {
            AddWeighted<InBits>(sum, row[target.first + k], weight[k]);
        }
        *out++ = Pack<InBits, OutBits>(sum);
    }
}

// One target row of the pass down the columns: the weighted sum of the source rows it covers,
// which rowAt gives by their index.
template <int InBits, int OutBits, typename RowAt>
void ResizeRowDown(const AxisWeights::Target& target, const uint32_t* weights, size_t width, RowAt rowAt,
                   std::vector<uint64_t>& sums, PixelOf<OutBits>* out) {
    std::fill(sums.begin(), sums.end(), 0);
    for (int k = 0; k < target.count; ++k) {
        const PixelOf<InBits>* row = rowAt(target.first + k);
        for (size_t x = 0; x < width; ++x) {
            AddWeighted<InBits>(&sums[2 * x], row[x], weights[target.offset + static_cast<size_t>(k)]);
        }
    }
    for (size_t x = 0; x < width; ++x) {
        *out++ = Pack<InBits, OutBits>(&sums[2 * x]);
    }
}

} // namespace

// The pass that leaves the smaller plane between the two goes first, as for a whole picture. The
// rows the pass down the columns reads are kept in a ring as long as a target row still needs
// them: source rows when it goes first, rows already resampled across otherwise. A target row is
// made as soon as its last source row has arrived.
struct BandResizer::State {
    int sourceWidth = 0;
    int sourceHeight = 0;
    bool acrossFirst = false;
    AxisWeights across;
    AxisWeights down;
    size_t ringRows = 0;
    std::vector<uint32_t> sourceRing;  // down first: source rows, 8 bits a channel
    std::vector<uint64_t> acrossRing;  // across first: resampled rows, 16 bits a channel
    std::vector<uint64_t> downRow;     // down first: one target row before the pass across
    std::vector<uint64_t> sums;
    int rowsAdded = 0;
    size_t nextTarget = 0;
    Picture result;

    void MakeReadyRows() {
        while (nextTarget < down.targets.size()) {
            const AxisWeights::Target& target = down.targets[nextTarget];
            if (target.first + target.count > rowsAdded) {
                return;
            }
            uint32_t* out = result.bgra.data() + nextTarget * static_cast<size_t>(result.width);
            if (acrossFirst) {
                const size_t width = static_cast<size_t>(result.width);
                ResizeRowDown<16, 8>(target, down.weights.data(), width, [&](int row) { return &acrossRing[RingAt(row, width)]; },
                                     sums, out);
            } else {
                const size_t width = static_cast<size_t>(sourceWidth);
                ResizeRowDown<8, 16>(target, down.weights.data(), width, [&](int row) { return &sourceRing[RingAt(row, width)]; },
                                     sums, downRow.data());
                ResizeRowAcross<16, 8>(downRow.data(), across, out);
            }
            ++nextTarget;
        }
    }
    size_t RingAt(int row, size_t width) const { return (static_cast<size_t>(row) % ringRows) * width; }
};

BandResizer::BandResizer(std::unique_ptr<State> state) : state_(std::move(state)) {}
BandResizer::~BandResizer() = default;
BandResizer::BandResizer(BandResizer&&) noexcept = default;
BandResizer& BandResizer::operator=(BandResizer&&) noexcept = default;

std::optional<BandResizer> BandResizer::Make(int sourceWidth, int sourceHeight, int newWidth, int newHeight) {
    if (sourceWidth <= 0 || sourceHeight <= 0 || newWidth <= 0 || newHeight <= 0 ||
        !FitsPictureLimit(static_cast<uint64_t>(sourceWidth), static_cast<uint64_t>(sourceHeight)) ||
        !FitsPictureLimit(static_cast<uint64_t>(newWidth), static_cast<uint64_t>(newHeight))) {
        return std::nullopt;
    }
    try {
        auto state = std::make_unique<State>();
        state->sourceWidth = sourceWidth;
        state->sourceHeight = sourceHeight;
        state->across = WeightsFor(sourceWidth, newWidth);
        state->down = WeightsFor(sourceHeight, newHeight);
        // Sizes are counted in 64 bits, so that no product wraps where size_t is 32 bits wide.
        const uint64_t acrossFirst = uint64_t{static_cast<uint32_t>(newWidth)} * static_cast<uint32_t>(sourceHeight);
        const uint64_t downFirst = uint64_t{static_cast<uint32_t>(sourceWidth)} * static_cast<uint32_t>(newHeight);
        state->acrossFirst = acrossFirst <= downFirst;
        for (const auto& target : state->down.targets) {
            state->ringRows = std::max(state->ringRows, static_cast<size_t>(target.count));
        }
        const size_t ringWidth = static_cast<size_t>(state->acrossFirst ? newWidth : sourceWidth);
        if (state->acrossFirst) {
            state->acrossRing.resize(state->ringRows * ringWidth);
        } else {
            state->sourceRing.resize(state->ringRows * ringWidth);
            state->downRow.resize(ringWidth);
        }
        state->sums.resize(2 * ringWidth);
        state->result = Picture{newWidth, newHeight, {}};
        state->result.bgra.resize(static_cast<size_t>(newWidth) * static_cast<size_t>(newHeight));
        return BandResizer(std::move(state));
    } catch (const std::exception&) { // bad_alloc, or length_error past a container's limit
        return std::nullopt;
    }
}

void BandResizer::AddRows(const uint32_t* rows, int count) {
    State& s = *state_;
    const size_t width = static_cast<size_t>(s.sourceWidth);
    count = std::min(count, s.sourceHeight - s.rowsAdded);
    for (int i = 0; i < count; ++i) {
        const uint32_t* row = rows + static_cast<size_t>(i) * width;
        if (s.acrossFirst) {
            const size_t newWidth = static_cast<size_t>(s.result.width);
            ResizeRowAcross<8, 16>(row, s.across, &s.acrossRing[s.RingAt(s.rowsAdded, newWidth)]);
        } else {
            std::copy(row, row + width, &s.sourceRing[s.RingAt(s.rowsAdded, width)]);
        }
        ++s.rowsAdded;
        s.MakeReadyRows();
    }
}

bool BandResizer::Finished() const { return state_->rowsAdded == state_->sourceHeight; }

std::optional<Picture> BandResizer::Take() {
    if (!Finished()) {
        return std::nullopt;
    }
    return std::move(state_->result);
}

std::optional<Picture> Resize(const Picture& picture, int newWidth, int newHeight) {
    if (!IsValidPicture(picture)) {
        return std::nullopt;
    }
    std::optional<BandResizer> resizer = BandResizer::Make(picture.width, picture.height, newWidth, newHeight);
    if (!resizer) {
        return std::nullopt;
    }
    resizer->AddRows(picture.bgra.data(), picture.height);
    return resizer->Take();
}

} // namespace pelaconf
