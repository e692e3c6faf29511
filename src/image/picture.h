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

// Pictures above this many pixels are refused: 16384 x 16384, 1 GiB of pixels.
constexpr int64_t kMaxPicturePixels = int64_t{16384} * 16384;

// True when both sides are positive, the size is within the limit and the pixels are all there.
bool IsValidPicture(const Picture& picture);

} // namespace pelaconf
