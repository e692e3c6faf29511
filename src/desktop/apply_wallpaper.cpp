#include "desktop/apply_wallpaper.h"

#include "desktop/wallpaper_style.h"
#include "image/plugin_load.h"
#include "platform/file_system.h"
#include "settings/settings_record.h"
#include "settings/string_helpers.h"

namespace pelaconf {
namespace {

// The display style for the image's size (none when no image is held).
int DisplayStyleFor(const SettingsRecord& record, std::optional<Size> image, Size screen) {
    return ChooseDisplayStyle(record.Rect_Type, record.Rect_Fit,
                              [&](int kind) { return image ? AutoStyleFor(kind, *image, screen) : -1; });
}

// The size an image of a given size will be saved at, worked out as the steps after the decoding
// do, so that the decoder can go straight to it.
FittedSizeFor SavedSizeFor(const SettingsRecord& record, const Desktop& desktop) {
    return [&record, &desktop](Size image) -> std::optional<Size> {
        const Size screen = desktop.ScreenSize();
        const int fitMode = ChooseFitMode(record.Rect_Type, record.Rect_Fit, DisplayStyleFor(record, image, screen));
        return SaveBitmapSize(image, screen, fitMode);
    };
}

// Decodes into the image work object; the in-progress flag guards only the plug-in phase.
ApplyReport Decode(SettingsRecord& record, const std::string& imagePath, const WallpaperServices& services) {
    DecodeOptions options;
    options.pictureMode = 0;
    options.freePluginFirst = false;
    options.pluginPhaseEnded = [&services] { services.applyInProgress = false; };
    services.image.FitWhileLoading(SavedSizeFor(record, services.desktop));
    DecodeResult decoded = DecodeImage(record, imagePath, services.image, options);
    services.image.FitWhileLoading(nullptr);
    services.applyInProgress = false;
    switch (decoded.outcome) {
    case DecodeOutcome::NoLoader: return {ApplyResult::NoLoader};
    case DecodeOutcome::HostNotStarted: return {ApplyResult::HostNotStarted, std::move(decoded.hostNotStarted)};
    case DecodeOutcome::PluginsFailed:
    case DecodeOutcome::BuiltInLoaderFailed: return {ApplyResult::Failed};
    case DecodeOutcome::PluginsExhausted: // no image: the save below fails
    case DecodeOutcome::Loaded: return {ApplyResult::Applied};
    }
    return {ApplyResult::Failed};
}

} // namespace

const char* ApplyResultMessage(ApplyResult result) {
    switch (result) {
    case ApplyResult::NoFile: return "画像ファイルが存在しません。";
    case ApplyResult::NoLoader: return "Susieプラグインのロードに失敗しました。";
    case ApplyResult::Failed: return "画像ファイルの保存に失敗しました。";
    // The wallpaper stayed as it was, which the user must not take for a change.
    case ApplyResult::RegistryFailed: return "壁紙の表示方法をレジストリに書き込めませんでした。";
    case ApplyResult::Applied:
    case ApplyResult::Busy:
    case ApplyResult::HostNotStarted: return nullptr;
    }
    return nullptr;
}

std::optional<std::string> ApplyReportMessage(const ApplyReport& report) {
    if (report.result == ApplyResult::HostNotStarted) {
        return HostNotStartedMessage(report.hostNotStarted);
    }
    const char* message = ApplyResultMessage(report.result);
    return message != nullptr ? std::optional<std::string>(message) : std::nullopt;
}

int ChooseAutoStyle(int kind, const WallpaperImage& image, const Desktop& desktop) {
    const auto size = image.HeldImageSize();
    return size ? AutoStyleFor(kind, *size, desktop.ScreenSize()) : -1;
}

ApplyReport ApplyWallpaper(SettingsRecord& record, const std::string& imagePath, const WallpaperServices& services) {
    if (services.applyInProgress) {
        return {ApplyResult::Busy};
    }
    services.applyInProgress = true;
    if (!FileExists(services.files, imagePath)) {
        services.applyInProgress = false;
        return {ApplyResult::NoFile};
    }
    if (GetExtension(imagePath).empty()) {
        services.applyInProgress = false;
        return {ApplyResult::Failed};
    }
    if (ApplyReport decoded = Decode(record, imagePath, services); decoded.result != ApplyResult::Applied) {
        return decoded;
    }
    const int style = DisplayStyleFor(record, services.image.HeldImageSize(), services.desktop.ScreenSize());
    if (WriteWallpaperStyle(services.registry, style) == 0) {
        return {ApplyResult::RegistryFailed};
    }
    const int fitMode = ChooseFitMode(record.Rect_Type, record.Rect_Fit, style);
    if (services.image.SaveBitmap(record.wallpaperBitmapPath, fitMode) == 0) {
        return {ApplyResult::Failed};
    }
    // A refusal is reported like a failed save: the bitmap did not become the wallpaper.
    if (!services.desktop.SetWallpaperBitmap(record.wallpaperBitmapPath)) {
        return {ApplyResult::Failed};
    }
    return {ApplyResult::Applied};
}

} // namespace pelaconf
