#pragma once
// Making the command line's image the wallpaper without any window: the type test (with one
// plug-in scan when the extension is not known yet), the application, and its messages.

#include <string>

namespace pelaconf {

class FileSystem;
class MessageBoxes;
class PluginProbe;
class Registry;
struct SettingsRecord;

class WallpaperApplier {
public:
    virtual ~WallpaperApplier() = default;
    // 0 done; 1 busy; -1 no such file; -2 no loader; -3 decoding or saving failed; -9 registry.
    virtual int ApplyWallpaper(const std::string& imagePath) = 0;
};

struct WallpaperModeServices {
    const FileSystem& files;
    const Registry& registry;
    PluginProbe& plugins;
    WallpaperApplier& applier;
    MessageBoxes& messages;
};

// Nothing of what it finds is saved: this mode never writes Pelavine.ini.
void RunWallpaperMode(const std::string& imagePath, SettingsRecord& record, const WallpaperModeServices& services);

} // namespace pelaconf
