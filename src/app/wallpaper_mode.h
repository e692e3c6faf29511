#pragma once
// Making the command line's image the wallpaper without any window: the type test (with one
// plug-in scan when the extension is not known yet), the application, and its messages.

#include "desktop/apply_wallpaper.h"

#include <string>

namespace pelaconf {

class MessageBoxes;
class PluginProbe;
struct SettingsRecord;

struct WallpaperModeServices {
    WallpaperServices wallpaper;
    PluginProbe& plugins;
    MessageBoxes& messages;
};

// Nothing of what it finds is saved: this mode never writes Pelavine.ini.
void RunWallpaperMode(const std::string& imagePath, SettingsRecord& record, const WallpaperModeServices& services);

} // namespace pelaconf
