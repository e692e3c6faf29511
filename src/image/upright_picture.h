#pragma once
// Turning and mirroring a picture stored in one of the Exif orientations so that it shows upright.
// An orientation outside 2 to 8 leaves the picture as it is.

#include "image/exif_orientation.h"
#include "image/fitting.h"
#include "image/picture.h"

#include <cstdint>
#include <optional>

namespace pelaconf {

// True for the orientations that turn the picture a quarter, whose width and height swap.
bool SwapsSides(int orientation);

// The size a stored picture shows at upright. Swapping is its own inverse, so the same call gives
// the stored size of an upright one.
Size UprightSize(Size stored, int orientation);

// Puts count rows of the stored picture, starting at row first, where they belong in the upright
// picture, which already has UprightSize of the stored size. Lets a decoder fill the upright
// picture a band of rows at a time.
void PlaceRowsUpright(const uint32_t* rows, Size stored, int first, int count, int orientation, Picture& upright);

// The stored picture upright; empty when it is not valid or memory runs out.
std::optional<Picture> TurnUpright(Picture stored, int orientation);

} // namespace pelaconf
