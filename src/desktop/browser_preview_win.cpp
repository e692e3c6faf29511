#include "desktop/browser_preview_win.h"

#include "desktop/wallpaper_browser.h"
#include "image/decoding_order.h"
#include "image/plugin_load.h"
#include "platform/message_boxes.h"
#include "settings/string_helpers.h"

namespace pelaconf {

bool BrowserPreview::Show(const SettingsRecord& settings, MessageBoxes& messages, const std::string& path) {
    ready_ = false;
    if (IsSupportedExtension(settings, GetExtension(path)) == 0) {
        messages.Show(kUnsupportedTypeMessage, MessageKind::Warning);
        return false;
    }
    DecodeOptions options;
    options.pictureMode = 1;
    options.freePluginFirst = true;
    const DecodeResult decoded = DecodeImage(settings, path, image_, options);
    const DecodeOutcome outcome = decoded.outcome;
    image_.FreePlugin();
    if (outcome == DecodeOutcome::NoLoader) {
        messages.Show(kNoPluginMessage, MessageKind::Error);
    } else if (outcome == DecodeOutcome::PluginsFailed) {
        messages.Show(kPluginLoadFailedMessage, MessageKind::Error);
    } else if (outcome == DecodeOutcome::HostNotStarted) {
        messages.Show(HostNotStartedMessage(decoded.hostNotStarted), MessageKind::Error);
    }
    if (outcome != DecodeOutcome::Loaded) {
        messages.Show(kPreviewFailedMessage, MessageKind::Error);
        return false;
    }
    ready_ = true;
    return true;
}

void BrowserPreview::Paint(HDC dc, const RECT& frame) {
    if (ready_ && image_.HasImage()) {
        image_.DrawFitted(dc, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top);
    }
}

} // namespace pelaconf
