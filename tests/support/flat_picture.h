#pragma once
// A picture of one colour: every pixel is known without looking, so a test can tell what an
// operation did to it.

#include "image/picture.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pelaconf {

// `colour` is 0xAARRGGBB, as in Picture.
inline Picture FlatPicture(int width, int height, uint32_t colour) {
    return Picture{width, height,
                   std::vector<uint32_t>(static_cast<size_t>(width) * static_cast<size_t>(height), colour)};
}

} // namespace pelaconf
