#include "app/application_win.h"

#include "app/command_line.h"
#include "app/settings_window_win.h"
#include "app/single_instance_win.h"
#include "app/wallpaper_mode.h"
#include "desktop/system_desktop_win.h"
#include "plugins/image_object_probe_win.h"
#include "settings/settings_file.h"
#include "win/wide_text.h"

#include <shellapi.h>
#include <windows.h>

namespace pelaconf {

Application::Application() : record_(ModuleFolder()) {}

int Application::Run(const std::vector<std::string>& arguments) {
    const bool fileRead = ReadSettings(record_, files_) == 1;
    if (const auto imagePath = FindImagePath(arguments)) {
        RunWallpaperMode(*imagePath);
    } else {
        RunSettingsMode(!fileRead);
    }
    return 0;
}

// Applies the image through the image work object; never writes Pelavine.ini.
void Application::RunWallpaperMode(const std::string& imagePath) {
    Win32Desktop desktop;
    ImageObjectPluginProbe plugins(imageWork_);
    pelaconf::RunWallpaperMode(imagePath, record_, {{files_, imageWork_, registry_, desktop}, plugins, messages_});
}

void Application::RunSettingsMode(bool firstRun) {
    if (WriteSettings(record_, files_) == 0) {
        messages_.Show("設定ファイルの保存に失敗しました。", MessageKind::Error);
    }
    SingleInstance instance;
    if (!instance.Acquire()) {
        if (HWND running = FindRunningSettingsWindow()) {
            BringToFront(running);
        }
        return;
    }
    SettingsWindow window({record_, files_, messages_, processes_}, layeredWindows_);
    window.SetFirstRun(firstRun);
    window.RunModal(nullptr);
}

std::vector<std::string> ProcessArguments() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> result;
    for (int i = 1; arguments != nullptr && i < count; ++i) {
        result.push_back(WideToUtf8(arguments[i]));
    }
    LocalFree(arguments);
    return result;
}

} // namespace pelaconf
