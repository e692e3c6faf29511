#include "app/wallpaper_mode.h"

#include "app/unwritable_folder.h"
#include "image/decoding_order.h"
#include "image/plugin_load.h"
#include "platform/message_boxes.h"
#include "plugins/plugin_catalogue.h"
#include "settings/settings_record.h"
#include "settings/string_helpers.h"

namespace pelaconf {
namespace {

// A plug-in copied into a plug-in folder since the last scan may decode the extension. The
// user has been told when it cannot be known: a plug-in host that does not start asks nothing.
bool IsSupportedAfterRescan(const std::string& extension, SettingsRecord& record,
                            const WallpaperModeServices& services) {
    if (IsSupportedExtension(record, extension)) {
        return true;
    }
    if (record.Susie_Dir_Path.empty()) {
        LookUpSusieFolder(record, services.wallpaper.registry);
    }
    if (const std::string host = ScanPlugins(record, services.wallpaper.files, services.plugins); !host.empty()) {
        services.messages.Show(HostNotStartedMessage(host), MessageKind::Error);
        return false;
    }
    if (IsSupportedExtension(record, extension) == 0) {
        services.messages.Show("対応した画像ファイルではありません。", MessageKind::Error);
        return false;
    }
    return true;
}

} // namespace

void RunWallpaperMode(const std::string& imagePath, SettingsRecord& record, const WallpaperModeServices& services) {
    if (!IsSupportedAfterRescan(GetExtension(imagePath), record, services)) {
        return;
    }
    const ApplyReport report = ApplyWallpaper(record, imagePath, services.wallpaper);
    if (const auto message = ApplyReportMessage(report)) {
        // Wallpaper.bmp goes beside the program, whose folder may take no file at all.
        const bool saveFailed = report.result == ApplyResult::Failed;
        services.messages.Show(
            saveFailed ? SaveFailureMessage(*message, record.wallpaperBitmapPath, services.wallpaper.files, "") : *message,
            MessageKind::Error);
    }
}

} // namespace pelaconf
