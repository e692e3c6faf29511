#pragma once
// The system's desktop for the core's tests: a 1024 x 768 screen and the wallpapers set on it.

#include "desktop/apply_wallpaper.h"

#include <string>
#include <vector>

namespace pelaconf::testing {

class FakeDesktop : public Desktop {
public:
    std::vector<std::string> wallpapers;
    bool refuseWallpaper = false;

    Size ScreenSize() const override { return {1024, 768}; }
    bool SetWallpaperBitmap(const std::string& path) override {
        if (refuseWallpaper) {
            return false;
        }
        wallpapers.push_back(path);
        return true;
    }
};

} // namespace pelaconf::testing
