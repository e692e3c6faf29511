#include "desktop/wallpaper_style.h"

#include "platform/registry.h"

#include <string>

namespace pelaconf {

int AutoStyleFor(int kind, Size image, Size screen) {
    if (image.width <= 0 || image.height <= 0 || screen.width <= 0) {
        return -1; // no proportions to compare
    }
    const bool small = 2 * image.width < screen.width || 2 * image.height < screen.height;
    const int imageRatio = image.height * 100 / image.width;
    const int screenRatio = screen.height * 100 / screen.width;
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
