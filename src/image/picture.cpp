#include "image/picture.h"

namespace pelaconf {

bool IsValidPicture(const Picture& picture) {
    if (picture.width <= 0 || picture.height <= 0) {
        return false;
    }
    const int64_t pixels = int64_t{picture.width} * picture.height;
    return pixels <= kMaxPicturePixels && picture.bgra.size() == static_cast<size_t>(pixels);
}

} // namespace pelaconf
