#pragma once
// Decoding a picture straight to the size it is wanted at: at a smaller size where the decoder
// scales as it decodes, and resized a band of rows at a time, so that no full-size copy is made.
// A picture stored turned (an Exif orientation) is decoded as stored and shown upright.

#include "image/fitting.h"
#include "image/picture.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace pelaconf {

// The size a picture of the given size is wanted at; empty for its own size.
using FittedSizeFor = std::function<std::optional<Size>(Size)>;

// A decoder that hands out its picture a band of rows at a time, at the picture's own size or at
// one of the smaller sizes it decodes to directly (a JPEG decoder can scale in the DCT).
class RowSource {
public:
    virtual ~RowSource() = default;
    virtual Size FullSize() const = 0;
    virtual std::vector<Size> ScaledSizes() const = 0;
    // Rows first to first + count - 1 of the picture decoded at the size (the full size or one of
    // ScaledSizes), as opaque pixels 0xFFRRGGBB, into out; false when decoding fails.
    virtual bool ReadRows(Size size, int first, int count, uint32_t* out) = 0;
};

// The size to decode at for a picture wanted at the target size: the smallest of the scaled sizes
// that is at least the target in both directions, else the full size.
Size DecodeSizeFor(Size full, Size target, const std::vector<Size>& scaled);

// The picture at the target size, decoded at DecodeSizeFor and resized band by band; empty when
// decoding fails, a size is not valid or memory runs out.
std::optional<Picture> DecodeFitted(RowSource& source, Size target);

// The whole picture upright, its rows placed where they belong as each band is decoded, so that
// no stored copy is made.
std::optional<Picture> DecodeUpright(RowSource& source, int orientation);

// The picture upright at the target size, which is an upright size: decoded fitted at the stored
// form of that size, then turned.
std::optional<Picture> DecodeFittedUpright(RowSource& source, Size uprightTarget, int orientation);

} // namespace pelaconf
