#pragma once
// Decoding through the Windows Imaging Component.

#include "image/picture.h"

#include <optional>
#include <string>

namespace pelaconf {

// The first frame of the image file as an opaque picture: pixels with transparency are shown over
// black. Empty when the file cannot be opened or decoded or is too large.
std::optional<Picture> DecodeWithWic(const std::string& path);

} // namespace pelaconf
