#pragma once
// Scaling pictures: each axis is averaged over the covered area when it shrinks and interpolated
// bilinearly when it grows, so a flat colour stays exactly flat in both directions.

#include "image/picture.h"

#include <optional>

namespace pelaconf {

// The picture at the new size; empty when the picture is not valid, a new side is not positive,
// the new size is above kMaxPicturePixels or memory runs out.
std::optional<Picture> Resize(const Picture& picture, int newWidth, int newHeight);

} // namespace pelaconf
