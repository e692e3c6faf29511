#pragma once
// The application object: reads the settings, then either makes the command line's image the
// wallpaper or runs the one settings window.

#include "app/layered_window_library_win.h"
#include "platform/file_system_win.h"
#include "platform/message_boxes_win.h"
#include "platform/process_starter_win.h"
#include "platform/registry_win.h"
#include "plugins/image_object_probe_win.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "susie/image_object_win.h"

#include <string>
#include <vector>

namespace pelaconf {

class Application {
public:
    Application();

    // Runs the whole program with the arguments after the program's name; returns the exit code.
    int Run(const std::vector<std::string>& arguments);

private:
    void RunWallpaperMode(const std::string& imagePath);
    // fileState: what ReadSettings found.
    void RunSettingsMode(SettingsFileState fileState);

    Win32FileSystem files_;
    Win32MessageBoxes messages_;
    Win32ProcessStarter processes_;
    Win32Registry registry_;
    SettingsRecord record_;
    OriginalSpellings spellings_;
    // The image work object: the one image and plug-in module that applying and scanning use.
    ImageObject imageWork_;
    // Set while a wallpaper is being applied with the image work object.
    bool applyInProgress_ = false;
    ImageObjectPluginProbe plugins_{imageWork_};
    LayeredWindowLibrary layeredWindows_;
};

// The process's arguments as UTF-8, without the program's name, quotes removed.
std::vector<std::string> ProcessArguments();

} // namespace pelaconf
