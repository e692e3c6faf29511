#include "desktop/browser_apply_win.h"

#include "desktop/apply_wallpaper.h"
#include "desktop/desktop_windows_win.h"
#include "desktop/wallpaper_browser.h"
#include "platform/message_boxes.h"
#include "platform/process_starter.h"

namespace pelaconf {

bool ApplyBrowserImage(const std::string& imagePath, const BrowserServices& services, BrowserNeighbours& neighbours,
                       WaitWindow& wait) {
    neighbours.CopyDisplayPosition(services.record);
    neighbours.PlaySoundIfManual();
    const ApplyResult result = ApplyWallpaper(services.record, imagePath, *services.wallpaper);
    const char* failure = result == ApplyResult::NoFile ? kBrowserNoFileMessage : ApplyResultMessage(result);
    if (failure != nullptr) {
        wait.Hide();
        services.messages.Show(failure, result == ApplyResult::NoFile ? MessageKind::Warning : MessageKind::Error);
        return false;
    }
    if (const auto program = neighbours.ManualProgram()) {
        if (!services.processes.Start(*program)) {
            wait.Hide();
            services.messages.Show(*program + kRunFailedSuffix, MessageKind::Error);
            return false;
        }
    }
    if (neighbours.IconsTransparentAfterChange()) {
        MakeIconLabelsTransparent(1);
    }
    return true;
}

} // namespace pelaconf
