#pragma once
// Making one image file the desktop wallpaper: decode it, choose and record the display style,
// save Wallpaper.bmp fitted as the settings ask, and hand that bitmap to the system.

#include "image/fitting.h"
#include "image/wallpaper_image.h"

#include <string>

namespace pelaconf {

class FileSystem;
class Registry;
struct SettingsRecord;

// The system's side of the desktop.
class Desktop {
public:
    virtual ~Desktop() = default;
    virtual Size ScreenSize() const = 0;
    // Asks the system to show the bitmap as wallpaper.
    virtual void SetWallpaperBitmap(const std::string& bitmapPath) = 0;
};

enum ApplyResult : int {
    kApplied = 0,
    kApplyBusy = 1,
    kApplyNoFile = -1,
    kApplyNoLoader = -2,
    kApplyFailed = -3,
    kApplyRegistryFailed = -9,
};

struct WallpaperServices {
    const FileSystem& files;
    WallpaperImage& image;
    Registry& registry;
    Desktop& desktop;
};

int ApplyWallpaper(SettingsRecord& record, const std::string& imagePath, const WallpaperServices& services);

// The display style for an automatic kind from the held image; -1 when no image is held.
int ChooseAutoStyle(int kind, const WallpaperImage& image, const Desktop& desktop);

} // namespace pelaconf
