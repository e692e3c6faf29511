#include "app/wallpaper_mode.h"

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
        LookUpSusieFolder(record, services.registry);
    }
    ScanPlugins(record, services.files, services.plugins);
    return IsSupportedExtension(record, extension) != 0;
}

const char* MessageForResult(int result) {
    switch (result) {
    case -1: return "画像ファイルが存在しません。";
    case -2: return "Susieプラグインのロードに失敗しました。";
    case -3: return "画像ファイルの保存に失敗しました。";
    default: return nullptr;
    }
}

} // namespace

void RunWallpaperMode(const std::string& imagePath, SettingsRecord& record, const WallpaperModeServices& services) {
    if (!IsSupportedAfterRescan(GetExtension(imagePath), record, services)) {
        services.messages.Show("対応した画像ファイルではありません。", MessageKind::Error);
        return;
    }
    if (const char* message = MessageForResult(services.applier.ApplyWallpaper(imagePath))) {
        services.messages.Show(message, MessageKind::Error);
    }
}

} // namespace pelaconf
