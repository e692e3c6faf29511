#pragma once
// What the wallpaper browser works with, and its making the chosen image the wallpaper.

#include "desktop/wait_window_win.h"

#include <optional>
#include <string>

namespace pelaconf {

class FileSystem;
class MessageBoxes;
class ProcessStarter;
struct SettingsRecord;
struct WallpaperServices;

// What the browser needs of the other pages, read from their controls as they are now.
class BrowserNeighbours {
public:
    virtual ~BrowserNeighbours() = default;
    // The wallpaper folder page's path field.
    virtual std::string WallpaperFolder() = 0;
    // The display position page's choice into Rect_Type and its fit box (0 or 1) into Rect_Fit.
    virtual void CopyDisplayPosition(SettingsRecord& record) = 0;
    // The WAVE page plays its sound now when its box for manual changes is on.
    virtual void PlaySoundIfManual() = 0;
    // The external program page's command line when its box for manual changes is on.
    virtual std::optional<std::string> ManualProgram() = 0;
    // The desktop icon page's box for making the labels transparent after a change.
    virtual bool IconsTransparentAfterChange() = 0;
};

struct BrowserServices {
    SettingsRecord& record;
    const FileSystem& files;
    MessageBoxes& messages;
    ProcessStarter& processes;
    // Applying a wallpaper with the program's image work object; null where the page cannot.
    const WallpaperServices* wallpaper = nullptr;
};

// Makes the image the wallpaper with the other pages' current values: their display position, their
// sound and external program for manual changes, and the desktop icons' transparency. A failure is
// told with the wait window hidden first; false then.
bool ApplyBrowserImage(const std::string& imagePath, const BrowserServices& services, BrowserNeighbours& neighbours,
                       WaitWindow& wait);

} // namespace pelaconf
