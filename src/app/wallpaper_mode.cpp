#include "app/wallpaper_mode.h"

#include "app/unwritable_folder.h"
#include "image/decoding_order.h"
#include "platform/message_boxes.h"
#include "plugins/plugin_catalogue.h"
#include "settings/settings_record.h"
#include "settings/string_helpers.h"

namespace pelaconf {
namespace {

// A plug-in copied into a plug-in folder since the last scan may decode the extension.
bool IsSupportedAfterRescan(const std::string& extension, SettingsRecord& record,
                            const WallpaperModeServices& services) {
    if (IsSupportedExtension(record, extension)) {
        return true;
    }
    if (record.Susie_Dir_Path.empty()) {
        LookUpSusieFolder(record, services.wallpaper.registry);
    }
    ScanPlugins(record, services.wallpaper.files, services.plugins);
    return IsSupportedExtension(record, extension) != 0;
}

} // namespace

void RunWallpaperMode(const std::string& imagePath, SettingsRecord& record, const WallpaperModeServices& services) {
    if (!IsSupportedAfterRescan(GetExtension(imagePath), record, services)) {
        services.messages.Show("対応した画像ファイルではありません。", MessageKind::Error);
        return;
    }
    const ApplyResult result = ApplyWallpaper(record, imagePath, services.wallpaper);
    if (const char* message = ApplyResultMessage(result)) {
        // Wallpaper.bmp goes beside the program, whose folder may take no file at all.
        const bool saveFailed = result == ApplyResult::Failed;
        services.messages.Show(
            saveFailed ? SaveFailureMessage(message, record.wallpaperBitmapPath, services.wallpaper.files, "") : message,
            MessageKind::Error);
    }
}

} // namespace pelaconf
