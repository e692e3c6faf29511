#pragma once
// Making one image file the desktop wallpaper: decode it, choose and record the display style,
// save Wallpaper.bmp fitted as the settings ask, and hand that bitmap to the system.

#include "image/fitting.h"
#include "image/wallpaper_image.h"

#include <optional>
#include <string>
#include <utility>

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
    // Asks the system to show the bitmap as wallpaper; false when the system refuses.
    virtual bool SetWallpaperBitmap(const std::string& bitmapPath) = 0;
};

enum class ApplyResult : int {
    Applied = 0,
    Busy = 1, // an application is already in progress
    NoFile = -1,
    NoLoader = -2, // no plug-in is listed first for the extension and the library has no loader for it
    Failed = -3,   // no extension, or decoding or saving failed
    HostNotStarted = -4, // a plug-in host program could not be started; nothing was changed
    RegistryFailed = -9,
};

struct ApplyReport {
    ApplyReport(ApplyResult result = ApplyResult::Applied, std::string hostNotStarted = {})
        : result(result), hostNotStarted(std::move(hostNotStarted)) {}

    ApplyResult result;
    std::string hostNotStarted; // with HostNotStarted: the host program's file name
};

// The error message the user is shown for a result; null for the results that show none (done, and
// busy with another application) and for HostNotStarted, whose message names the program.
const char* ApplyResultMessage(ApplyResult result);
// The error message of the report, naming the host program for HostNotStarted; empty when none shows.
std::optional<std::string> ApplyReportMessage(const ApplyReport& report);

struct WallpaperServices {
    const FileSystem& files;
    WallpaperImage& image;
    Registry& registry;
    Desktop& desktop;
    // Set while a wallpaper is being applied, so that a nested request returns at once. Its owner
    // is the owner of the image work object, which applying uses.
    bool& applyInProgress;
};

ApplyReport ApplyWallpaper(SettingsRecord& record, const std::string& imagePath, const WallpaperServices& services);

// The display style for an automatic kind from the held image; -1 when no image is held.
int ChooseAutoStyle(int kind, const WallpaperImage& image, const Desktop& desktop);

} // namespace pelaconf
