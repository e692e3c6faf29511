#pragma once
// The decoded form of every image inside the program.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pelaconf {

// Pixels top-down, row after row, each a 32-bit value 0xAARRGGBB (bytes B, G, R, A in memory on
// a little-endian machine, as a 32-bit DIB holds them).
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> bgra;

    bool operator==(const Picture&) const = default;
};

// Pictures above this many pixels are refused by every decoder and by the resampler: 8192 x
// 8192, 256 MiB of pixels. A few bytes of RLE data or a plug-in's header can claim any size, and
// the limit bounds what such a claim makes the program fill, also in a 32-bit process.
constexpr int64_t kMaxPicturePixels = int64_t{8192} * 8192;

// True when a picture of the size (sides taken as counts, so a negative height is its length)
// stays within kMaxPicturePixels. Counted in 64 bits, so no product of two 32-bit sides wraps.
bool FitsPictureLimit(uint64_t width, uint64_t height);

// True when both sides are positive, the size is within the limit and the pixels are all there.
bool IsValidPicture(const Picture& picture);

} // namespace pelaconf
