#pragma once
// Making the command line's image the wallpaper without any window: the type test (with one
// plug-in scan when the extension is not known yet) and the application.

#include "desktop/apply_wallpaper.h"

#include <string>

namespace pelaconf {

class PluginProbe;
struct SettingsRecord;

inline constexpr char kUnsupportedImageMessage[] = "対応した画像ファイルではありません。";

struct WallpaperModeServices {
    WallpaperServices wallpaper;
    PluginProbe& plugins;
};

// Whether the image's type can be decoded, after a plug-in scan when it was not known.
enum class ImageTypeCheck {
    Supported,
    HostNotStarted, // the scan could not start a plug-in host program, so the type is not known
    Unsupported,
};

struct WallpaperModeResult {
    ImageTypeCheck typeCheck = ImageTypeCheck::Supported;
    std::string hostNotStarted; // with HostNotStarted: the host program's file name
    ApplyReport report;         // with Supported: what applying the image did
};

// Nothing of what it finds is saved: this mode never writes Pelavine.ini.
WallpaperModeResult RunWallpaperMode(const std::string& imagePath, SettingsRecord& record,
                                     const WallpaperModeServices& services);

} // namespace pelaconf
