#pragma once
// The Win32 side of applying a wallpaper: the real desktop, and the image work object seen as
// the image that applying and the plug-in scan need.

#include "desktop/apply_wallpaper.h"
#include "image/image_object_win.h"
#include "plugins/plugin_catalogue.h"

namespace pelaconf {

class Win32Desktop : public Desktop {
public:
    Size ScreenSize() const override;
    // SPI_SETDESKWALLPAPER, broadcasting the change only where the desktop has its HTML view.
    void SetWallpaperBitmap(const std::string& bitmapPath) override;
};

// Forwards to an ImageObject owned elsewhere.
class ImageObjectWallpaper : public WallpaperImage {
public:
    explicit ImageObjectWallpaper(ImageObject& image) : image_(image) {}

    int LoadPlugin(const std::string& path) override { return image_.LoadPlugin(path); }
    int FreePlugin() override { return image_.FreePlugin(); }
    int LoadViaPlugin(const std::string& path, int mode) override { return image_.LoadViaPlugin(path, mode); }
    int LoadBmp(const std::string& path) override { return image_.LoadBmp(path); }
    int LoadJpeg(const std::string& path) override { return image_.LoadJpeg(path); }
    int LoadGif(const std::string& path) override { return image_.LoadGif(path); }
    int LoadPng(const std::string& path) override { return image_.LoadPng(path); }
    std::optional<Size> HeldImageSize() const override;
    int SaveBitmap(const std::string& path, int fitMode) override { return image_.SaveBitmap(path, fitMode); }

private:
    ImageObject& image_;
};

// Validates plug-ins by loading each into the image work object and asking it about itself.
class ImageObjectPluginProbe : public PluginProbe {
public:
    explicit ImageObjectPluginProbe(ImageObject& image) : image_(image) {}
    std::optional<std::string> ReadImportFilter(const std::string& pluginPath) override;

private:
    ImageObject& image_;
};

} // namespace pelaconf
