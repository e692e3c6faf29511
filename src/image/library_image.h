#pragma once
// Inside the image library only: what a handle points to, and how the library's own loaders turn
// a decoded picture into a handle.

#include "image/image_library.h"
#include "image/picture.h"

namespace pelaconf {

struct LibImage {
    Picture picture;
};

// A new handle holding the picture; null when the picture is not valid.
LibImageHandle LibAdoptPicture(Picture picture);

} // namespace pelaconf
