#pragma once
// The browser page's view of the other pages of the settings window: each value read from the
// page's controls as they are now, whether saved or not.

#include "desktop/wallpaper_browser_page_win.h"

#include <functional>

namespace pelaconf {

class PageDialog;

class SettingsWindowNeighbours : public BrowserNeighbours {
public:
    // findPage: the settings window's page made from a template, or null.
    explicit SettingsWindowNeighbours(std::function<PageDialog*(int templateId)> findPage);

    std::string WallpaperFolder() override;
    void CopyDisplayPosition(SettingsRecord& record) override;
    void PlaySoundIfManual() override;
    std::optional<std::string> ManualProgram() override;
    bool IconsTransparentAfterChange() override;

private:
    template <typename Page> Page* Find(int templateId) const;

    std::function<PageDialog*(int templateId)> findPage_;
};

} // namespace pelaconf
