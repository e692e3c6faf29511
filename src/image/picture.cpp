#include "image/picture.h"

namespace pelaconf {

bool FitsPictureLimit(uint64_t width, uint64_t height) {
    constexpr auto kLimit = static_cast<uint64_t>(kMaxPicturePixels);
    return width <= kLimit && height <= kLimit && width * height <= kLimit;
}

bool IsValidPicture(const Picture& picture) {
    if (picture.width <= 0 || picture.height <= 0) {
        return false;
    }
    return FitsPictureLimit(picture.width, picture.height) &&
           picture.bgra.size() == static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height);
}

} // namespace pelaconf
