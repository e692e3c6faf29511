#include "desktop/apply_wallpaper.h"

#include "desktop/wallpaper_style.h"
#include "platform/file_system.h"
#include "settings/settings_record.h"
#include "settings/string_helpers.h"

namespace pelaconf {
namespace {

// Decodes into the image work object; the in-progress flag guards only the plug-in phase.
int Decode(SettingsRecord& record, const std::string& imagePath, WallpaperImage& image) {
    DecodeOptions options;
    options.pictureMode = 0;
    options.freePluginFirst = false;
    options.pluginPhaseEnded = [&record] { record.applyInProgress = 0; };
    const DecodeOutcome outcome = DecodeImage(record, imagePath, image, options);
    record.applyInProgress = 0;
    switch (outcome) {
    case DecodeOutcome::NoLoader: return kApplyNoLoader;
    case DecodeOutcome::PluginsFailed:
    case DecodeOutcome::BuiltInLoaderFailed: return kApplyFailed;
    case DecodeOutcome::PluginsExhausted: // no image: the save below fails
    case DecodeOutcome::Loaded: return kApplied;
    }
    return kApplyFailed;
}

} // namespace

int ChooseAutoStyle(int kind, const WallpaperImage& image, const Desktop& desktop) {
    const auto size = image.HeldImageSize();
    return size ? AutoStyleFor(kind, *size, desktop.ScreenSize()) : -1;
}

int ApplyWallpaper(SettingsRecord& record, const std::string& imagePath, const WallpaperServices& services) {
    if (record.applyInProgress != 0) {
        return kApplyBusy;
    }
    record.applyInProgress = 1;
    if (!FileExists(services.files, imagePath)) {
        record.applyInProgress = 0;
        return kApplyNoFile;
    }
    if (GetExtension(imagePath).empty()) {
        record.applyInProgress = 0;
        return kApplyFailed;
    }
    if (const int decoded = Decode(record, imagePath, services.image); decoded != kApplied) {
        return decoded;
    }
    const int style = ChooseDisplayStyle(record.Rect_Type, record.Rect_Fit, [&](int kind) {
        return ChooseAutoStyle(kind, services.image, services.desktop);
    });
    if (WriteWallpaperStyle(services.registry, style) == 0) {
        return kApplyRegistryFailed;
    }
    const int fitMode = ChooseFitMode(record.Rect_Type, record.Rect_Fit, style);
    if (services.image.SaveBitmap(record.wallpaperBitmapPath, fitMode) == 0) {
        return kApplyFailed;
    }
    services.desktop.SetWallpaperBitmap(record.wallpaperBitmapPath);
    return kApplied;
}

} // namespace pelaconf
