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
    const ApplyReport report = ApplyWallpaper(services.record, imagePath, *services.wallpaper);
    const std::optional<std::string> failure =
        report.result == ApplyResult::NoFile ? kBrowserNoFileMessage : ApplyReportMessage(report);
    if (failure) {
        wait.Hide();
        services.messages.Show(*failure,
                               report.result == ApplyResult::NoFile ? MessageKind::Warning : MessageKind::Error);
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
