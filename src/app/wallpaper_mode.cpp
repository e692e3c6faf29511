#include "app/wallpaper_mode.h"

#include "image/decoding_order.h"
#include "plugins/plugin_catalogue.h"
#include "settings/settings_record.h"
#include "settings/string_helpers.h"

#include <utility>

namespace pelaconf {
namespace {

// A plug-in copied into a plug-in folder since the last scan may decode the extension. It cannot
// be known when a plug-in host does not start.
WallpaperModeResult CheckTypeAfterRescan(const std::string& extension, SettingsRecord& record,
                                         const WallpaperModeServices& services) {
    if (IsSupportedExtension(record, extension)) {
        return {};
    }
    if (record.Susie_Dir_Path.empty()) {
        LookUpSusieFolder(record, services.wallpaper.registry);
    }
    if (std::string host = ScanPlugins(record, services.wallpaper.files, services.plugins); !host.empty()) {
        return {ImageTypeCheck::HostNotStarted, std::move(host), {}};
    }
    if (IsSupportedExtension(record, extension) == 0) {
        return {ImageTypeCheck::Unsupported, {}, {}};
    }
    return {};
}

} // namespace

WallpaperModeResult RunWallpaperMode(const std::string& imagePath, SettingsRecord& record,
                                     const WallpaperModeServices& services) {
    WallpaperModeResult result = CheckTypeAfterRescan(GetExtension(imagePath), record, services);
    if (result.typeCheck == ImageTypeCheck::Supported) {
        result.report = ApplyWallpaper(record, imagePath, services.wallpaper);
    }
    return result;
}

} // namespace pelaconf
