#include "image/fitting.h"

#include <algorithm>
#include <cstdint>

namespace pelaconf {
namespace {

bool IsPositive(Size size) { return size.width > 0 && size.height > 0; }

int AtLeastOne(int64_t value) { return static_cast<int>(std::max<int64_t>(value, 1)); }

} // namespace

std::optional<Size> SaveBitmapSize(Size image, Size screen, int fitMode) {
    if (fitMode <= kFitKeepSize) {
        return image;
    }
    if (!IsPositive(image) || !IsPositive(screen)) {
        return std::nullopt;
    }
    const bool larger = image.width > screen.width || image.height > screen.height;
    if (fitMode != kFitToScreen && !(fitMode == kFitShrinkOnly && larger)) {
        return image;
    }
    // 64-bit: a very wide image times a large per-mille ratio exceeds 32 bits.
    const int64_t iw = image.width, ih = image.height, sw = screen.width, sh = screen.height;
    int64_t tw = iw * (sh * 1000 / ih) / 1000;
    int64_t th = sh;
    if (tw > sw) {
        tw = sw;
        th = ih * (sw * 1000 / iw) / 1000;
    }
    return Size{AtLeastOne(tw), AtLeastOne(th)};
}

std::optional<Rect> DrawFittedRect(Size image, Rect frame) {
    Rect inside{frame.x + 1, frame.y + 1, frame.width - 2, frame.height - 2};
    if (!IsPositive(image) || inside.width <= 0 || inside.height <= 0) {
        return std::nullopt;
    }
    if (inside.width == image.width && inside.height == image.height) {
        return inside;
    }
    // Heights per 1000 of width, of the image and of the frame.
    const int64_t ri = int64_t{image.height} * 1000 / image.width;
    const int64_t rf = int64_t{inside.height} * 1000 / inside.width;
    if (rf < ri) {
        const int64_t nw = inside.height * int64_t{1000} / ri;
        inside.x += static_cast<int>((inside.width - nw) / 2);
        inside.width = AtLeastOne(nw);
    } else {
        const int64_t nh = inside.width * ri / 1000;
        inside.y += static_cast<int>((inside.height - nh) / 2);
        inside.height = AtLeastOne(nh);
    }
    return inside;
}

} // namespace pelaconf
