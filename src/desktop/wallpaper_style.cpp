#include "desktop/wallpaper_style.h"

#include "platform/registry.h"

#include <cstdint>
#include <string>

namespace pelaconf {

int AutoStyleFor(int kind, Size image, Size screen) {
    if (image.width <= 0 || image.height <= 0 || screen.width <= 0) {
        return -1; // no proportions to compare
    }
    // 64-bit: a tall image's height times 100 exceeds 32 bits.
    const int64_t iw = image.width, ih = image.height, sw = screen.width, sh = screen.height;
    const bool small = 2 * iw < sw || 2 * ih < sh;
    const int64_t imageRatio = ih * 100 / iw;
    const int64_t screenRatio = sh * 100 / sw;
    const bool near = imageRatio >= screenRatio * 9 / 10 && imageRatio <= screenRatio * 11 / 10;
    if (kind == 3) {
        return small ? kStyleTile : near ? kStyleStretch : kStyleCentre;
    }
    if (kind == 4) {
        return near ? kStyleStretch : small ? kStyleTile : kStyleCentre;
    }
    return near ? kStyleStretch : kStyleCentre;
}

int ChooseDisplayStyle(int rectType, int rectFit, const std::function<int(int kind)>& autoStyle) {
    if (rectType == 3 || rectType == 4) {
        return autoStyle(rectType);
    }
    if (rectType == 2 && rectFit == 1) {
        return autoStyle(2);
    }
    return rectType;
}

int ChooseFitMode(int rectType, int rectFit, int displayStyle) {
    if (rectType == 2 && displayStyle == kStyleCentre) {
        return kFitToScreen;
    }
    return rectFit == 1 ? kFitShrinkOnly : kFitKeepSize;
}

WallpaperStyleValues StyleValuesFor(int displayStyle) {
    switch (displayStyle) {
    case kStyleTile: return {"1", "0"};
    case kStyleStretch: return {"0", "2"};
    default: return {"0", "0"};
    }
}

int WriteWallpaperStyle(Registry& registry, int displayStyle) {
    const auto values = StyleValuesFor(displayStyle);
    const bool written =
        registry.WriteUserStrings("Control Panel\\desktop", {{"TileWallpaper", std::string(values.tileWallpaper)},
                                                             {"WallpaperStyle", std::string(values.wallpaperStyle)}});
    return written ? 1 : 0;
}

} // namespace pelaconf
