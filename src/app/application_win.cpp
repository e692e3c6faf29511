#include "app/application_win.h"

#include "app/command_line.h"
#include "app/settings_window_win.h"
#include "app/single_instance_win.h"
#include "app/unwritable_folder.h"
#include "app/wallpaper_mode.h"
#include "desktop/system_desktop_win.h"
#include "image/plugin_load.h"
#include "settings/settings_file.h"
#include "win/wide_text.h"

#include <shellapi.h>
#include <windows.h>

#include <optional>
#include <string>

namespace pelaconf {
namespace {

constexpr char kSaveFailedMessage[] = "設定ファイルの保存に失敗しました。";
constexpr char kUnreadableMessage[] =
    "設定ファイルの読み込みに失敗しました。\n保存するまで設定ファイルは変更されません。";

// The error the wallpaper mode's result tells the user; empty when it tells nothing. Wallpaper.bmp
// goes beside the program, whose folder may take no file at all.
std::optional<std::string> WallpaperModeMessage(const WallpaperModeResult& result, const SettingsRecord& record,
                                                const FileSystem& files) {
    switch (result.typeCheck) {
    case ImageTypeCheck::HostNotStarted: return HostNotStartedMessage(result.hostNotStarted);
    case ImageTypeCheck::Unsupported: return kUnsupportedImageMessage;
    case ImageTypeCheck::Supported: break;
    }
    const auto message = ApplyReportMessage(result.report);
    if (message && result.report.result == ApplyResult::Failed) {
        return SaveFailureMessage(*message, record.wallpaperBitmapPath, files, "");
    }
    return message;
}

} // namespace

Application::Application() : record_(ModuleFolder()) {}

int Application::Run(const std::vector<std::string>& arguments) {
    SettingsFileRead read = ReadSettings(record_, files_);
    spellings_ = std::move(read.spellings);
    if (const auto imagePath = FindImagePath(arguments)) {
        RunWallpaperMode(*imagePath);
    } else {
        RunSettingsMode(read.state);
    }
    return 0;
}

// Applies the image through the image work object; never writes Pelavine.ini.
void Application::RunWallpaperMode(const std::string& imagePath) {
    Win32Desktop desktop;
    const WallpaperModeResult result =
        pelaconf::RunWallpaperMode(imagePath, record_, {{files_, imageWork_, registry_, desktop, applyInProgress_}, plugins_});
    if (const auto message = WallpaperModeMessage(result, record_, files_)) {
        messages_.Show(*message, MessageKind::Error);
    }
}

// The start rewrites the file in the current layout, or creates it with the defaults, except
// when it could not be read: the defaults must not replace settings the user still has.
void Application::RunSettingsMode(SettingsFileState fileState) {
    if (fileState == SettingsFileState::Unreadable) {
        messages_.Show(kUnreadableMessage, MessageKind::Error);
    } else if (!WriteSettings(record_, spellings_, files_)) {
        messages_.Show(SaveFailureMessage(kSaveFailedMessage, record_.SettingsFilePath(), files_, LocalAppDataFolder()),
                       MessageKind::Error);
    }
    SingleInstance instance;
    if (!instance.Acquire()) {
        if (HWND running = FindRunningSettingsWindow()) {
            BringToFront(running);
        }
        return;
    }
    Win32Desktop desktop;
    const WallpaperServices wallpaper{files_, imageWork_, registry_, desktop, applyInProgress_};
    SettingsWindow window({record_, spellings_, files_, processes_, registry_, plugins_}, messages_, layeredWindows_,
                          &wallpaper);
    window.SetFirstRun(fileState == SettingsFileState::Missing);
    window.RunModal(nullptr);
}

// The shell, which splits the line, is loaded only for a line with arguments: a plain start of
// the settings window does without it.
std::vector<std::string> ProcessArguments() {
    std::vector<std::string> result;
    if (!HasArgumentsAfterProgramName(GetCommandLineW())) {
        return result;
    }
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; arguments != nullptr && i < count; ++i) {
        result.push_back(WideToUtf8(arguments[i]));
    }
    LocalFree(arguments);
    return result;
}

} // namespace pelaconf
