#pragma once
// The system's desktop as applying a wallpaper sees it: the screen's size, and the wallpaper
// setting.

#include "desktop/apply_wallpaper.h"

namespace pelaconf {

class Win32Desktop : public Desktop {
public:
    Size ScreenSize() const override;
    // SPI_SETDESKWALLPAPER, broadcasting the change only where the desktop has its HTML view.
    bool SetWallpaperBitmap(const std::string& bitmapPath) override;
};

} // namespace pelaconf
