#include "image/fitted_decoding.h"

#include "image/resampler.h"
#include "image/upright_picture.h"

#include <algorithm>
#include <exception>

namespace pelaconf {
namespace {

// Rows decoded at a time: a few megabytes for the widest pictures.
constexpr int kBandRows = 64;

int64_t Area(Size size) { return int64_t{size.width} * size.height; }

} // namespace

Size DecodeSizeFor(Size full, Size target, const std::vector<Size>& scaled) {
    Size chosen = full;
    for (const Size& size : scaled) {
        const bool coversTarget = size.width >= target.width && size.height >= target.height;
        const bool withinFull = size.width <= full.width && size.height <= full.height;
        if (coversTarget && withinFull && Area(size) < Area(chosen)) {
            chosen = size;
        }
    }
    return chosen;
}

std::optional<Picture> DecodeFitted(RowSource& source, Size target) {
    const Size decoded = DecodeSizeFor(source.FullSize(), target, source.ScaledSizes());
    std::optional<BandResizer> resizer = BandResizer::Make(decoded.width, decoded.height, target.width, target.height);
    if (!resizer) {
        return std::nullopt;
    }
    try {
        std::vector<uint32_t> band(static_cast<size_t>(decoded.width) * kBandRows);
        for (int first = 0; first < decoded.height; first += kBandRows) {
            const int count = std::min(kBandRows, decoded.height - first);
            if (!source.ReadRows(decoded, first, count, band.data())) {
                return std::nullopt;
            }
            resizer->AddRows(band.data(), count);
        }
    } catch (const std::exception&) { // bad_alloc
        return std::nullopt;
    }
    return resizer->Take();
}

std::optional<Picture> DecodeUpright(RowSource& source, int orientation) {
    const Size stored = source.FullSize();
    const Size size = UprightSize(stored, orientation);
    if (size.width <= 0 || size.height <= 0 ||
        !FitsPictureLimit(static_cast<uint64_t>(size.width), static_cast<uint64_t>(size.height))) {
        return std::nullopt;
    }
    Picture upright{size.width, size.height, {}};
    try {
        upright.bgra.resize(static_cast<size_t>(size.width) * static_cast<size_t>(size.height));
        std::vector<uint32_t> band(static_cast<size_t>(stored.width) * kBandRows);
        for (int first = 0; first < stored.height; first += kBandRows) {
            const int count = std::min(kBandRows, stored.height - first);
            if (!source.ReadRows(stored, first, count, band.data())) {
                return std::nullopt;
            }
            PlaceRowsUpright(band.data(), stored, first, count, orientation, upright);
        }
    } catch (const std::exception&) { // bad_alloc
        return std::nullopt;
    }
    return upright;
}

std::optional<Picture> DecodeFittedUpright(RowSource& source, Size uprightTarget, int orientation) {
    std::optional<Picture> stored = DecodeFitted(source, UprightSize(uprightTarget, orientation));
    return stored ? TurnUpright(std::move(*stored), orientation) : std::nullopt;
}

} // namespace pelaconf
