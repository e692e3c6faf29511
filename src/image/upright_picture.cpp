#include "image/upright_picture.h"

#include <exception>

namespace pelaconf {
namespace {

// Where the first pixel of a stored row lands in the upright picture, and how far apart (in
// pixels, possibly backwards) the row's following pixels land.
struct RowPlacement {
    int64_t start;
    int64_t step;
};

RowPlacement PlacementOf(Size stored, int row, int orientation) {
    const int64_t w = stored.width, h = stored.height, y = row;
    switch (orientation) {
    case kOrientationMirrored: return {y * w + w - 1, -1};
    case kOrientationHalfTurn: return {(h - 1 - y) * w + w - 1, -1};
    case kOrientationFlipped: return {(h - 1 - y) * w, 1};
    // The upright picture is h wide: stored rows become its columns.
    case kOrientationTransposed: return {y, h};
    case kOrientationQuarterRight: return {h - 1 - y, h};
    case kOrientationTransverse: return {(w - 1) * h + h - 1 - y, -h};
    case kOrientationQuarterLeft: return {(w - 1) * h + y, -h};
    default: return {y * w, 1};
    }
}

} // namespace

bool SwapsSides(int orientation) {
    return orientation >= kOrientationTransposed && orientation <= kOrientationQuarterLeft;
}

Size UprightSize(Size stored, int orientation) {
    return SwapsSides(orientation) ? Size{stored.height, stored.width} : stored;
}

void PlaceRowsUpright(const uint32_t* rows, Size stored, int first, int count, int orientation, Picture& upright) {
    for (int y = first; y < first + count; ++y) {
        const RowPlacement placement = PlacementOf(stored, y, orientation);
        uint32_t* out = upright.bgra.data() + placement.start;
        for (int x = 0; x < stored.width; ++x, out += placement.step) {
            *out = *rows++;
        }
    }
}

std::optional<Picture> TurnUpright(Picture stored, int orientation) {
    if (!IsValidPicture(stored)) {
        return std::nullopt;
    }
    if (orientation < kOrientationMirrored || orientation > kOrientationQuarterLeft) {
        return stored;
    }
    const Size storedSize{stored.width, stored.height};
    const Size size = UprightSize(storedSize, orientation);
    Picture upright{size.width, size.height, {}};
    try {
        upright.bgra.resize(stored.bgra.size());
    } catch (const std::exception&) { // bad_alloc
        return std::nullopt;
    }
    PlaceRowsUpright(stored.bgra.data(), storedSize, 0, stored.height, orientation, upright);
    return upright;
}

} // namespace pelaconf
