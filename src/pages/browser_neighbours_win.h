#pragma once
// The browser page's view of the other pages of its window: each value read from the page's
// controls as they are now, whether saved or not.

#include "desktop/wallpaper_browser_page_win.h"

namespace pelaconf {

class PageHost;

class NeighbourPages : public BrowserNeighbours {
public:
    // host: the window that holds the pages read.
    explicit NeighbourPages(PageHost& host);

    std::string WallpaperFolder() override;
    void CopyDisplayPosition(SettingsRecord& record) override;
    void PlaySoundIfManual() override;
    std::optional<std::string> ManualProgram() override;
    bool IconsTransparentAfterChange() override;

private:
    template <typename Page> Page* Find(int templateId) const;

    PageHost& host_;
};

} // namespace pelaconf
