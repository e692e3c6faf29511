#pragma once
// Decoding through the Windows Imaging Component.

#include "image/fitted_decoding.h"
#include "image/picture.h"

#include <optional>
#include <string>

namespace pelaconf {

// The first frame of the image file as an opaque picture: pixels with transparency are shown over
// black, and a JPEG file's picture is turned upright by the orientation in its Exif block. Empty
// when the file cannot be opened or decoded or is too large.
std::optional<Picture> DecodeWithWic(const std::string& path);

// A picture decoded at the size it is wanted at, and the size of the picture in the file, upright.
struct FittedPicture {
    Picture picture;
    Size fileSize;
};

// As DecodeWithWic, but at the size fittedSizeFor gives for the file's own size upright: where the
// decoder scales as it decodes, at the smallest such size at or above it, then resized in bands
// of rows; otherwise at full size, also in bands. The same pixels as DecodeWithWic followed by
// Resize, apart from the decoder's own scaling.
std::optional<FittedPicture> DecodeFittedWithWic(const std::string& path, const FittedSizeFor& fittedSizeFor);

} // namespace pelaconf
