#pragma once
// Making one image file the desktop wallpaper: decode it, choose and record the display style,
// save Wallpaper.bmp fitted as the settings ask, and hand that bitmap to the system.

#include "image/decoding_order.h"
#include "image/fitting.h"

#include <optional>
#include <string>

namespace pelaconf {

class FileSystem;
class Registry;
struct SettingsRecord;

// What applying needs of the image work object beyond decoding.
class WallpaperImage : public ImageLoader {
public:
    // The held image's size; empty when no image is held.
    virtual std::optional<Size> HeldImageSize() const = 0;
    // Saves the held image as a 24-bit bitmap fitted to the screen, and releases it; non-zero on success.
    virtual int SaveBitmap(const std::string& path, int fitMode) = 0;
};

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
