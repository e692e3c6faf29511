#pragma once
// How a wallpaper is shown: the display style chosen from the position settings and the image,
// the registry values that announce it, and how the saved bitmap is fitted to the screen.

#include "image/fitting.h"

#include <functional>
#include <string_view>

namespace pelaconf {

enum DisplayStyle : int { kStyleCentre = 0, kStyleTile = 1, kStyleStretch = 2 };

// The automatic choice for kind 3 (tiling preferred), 4 (stretching preferred) or any other kind
// (stretch when the proportions agree, else centre). Every division drops the fraction.
int AutoStyleFor(int kind, Size image, Size screen);

// The display style for the position settings. `autoStyle` is asked only when the settings call
// for an automatic choice; it may answer -1 when the image's size cannot be read.
int ChooseDisplayStyle(int rectType, int rectFit, const std::function<int(int kind)>& autoStyle);

// The fit mode for saving the bitmap: shrink-only when fitting is on, but fit-to-screen when a
// stretch came out centred because the proportions differ.
int ChooseFitMode(int rectType, int rectFit, int displayStyle);

// The REG_SZ values TileWallpaper and WallpaperStyle for a display style.
struct WallpaperStyleValues {
    std::string_view tileWallpaper;
    std::string_view wallpaperStyle;
};
WallpaperStyleValues StyleValuesFor(int displayStyle);

class Registry;

// Writes TileWallpaper, then WallpaperStyle, under "Control Panel\desktop"; 1 when both were
// written, else 0.
int WriteWallpaperStyle(Registry& registry, int displayStyle);

} // namespace pelaconf
