#include "pages/browser_neighbours_win.h"

#include "desktop/desktop_icon_page_win.h"
#include "pages/display_position_page_win.h"
#include "pages/external_program_page_win.h"
#include "pages/page_services.h"
#include "pages/wallpaper_folder_page_win.h"
#include "pages/wave_page_win.h"
#include "resource.h"
#include "settings/settings_record.h"

namespace pelaconf {

NeighbourPages::NeighbourPages(PageHost& host) : host_(host) {}

template <typename Page> Page* NeighbourPages::Find(int templateId) const {
    return dynamic_cast<Page*>(host_.PageOf(templateId));
}

std::string NeighbourPages::WallpaperFolder() {
    const auto* page = Find<WallpaperFolderPage>(IDD_WALLPAPER_FOLDER);
    return page != nullptr ? page->CurrentPath() : std::string();
}

void NeighbourPages::CopyDisplayPosition(SettingsRecord& record) {
    if (const auto* page = Find<DisplayPositionPage>(IDD_DISPLAY_POSITION)) {
        record.Rect_Type = page->CurrentPosition();
        record.Rect_Fit = page->CurrentFit();
    }
}

void NeighbourPages::PlaySoundIfManual() {
    if (auto* page = Find<WavePage>(IDD_WAVE); page != nullptr && page->PlaysOnManualChange()) {
        page->PlayNow();
    }
}

std::optional<std::string> NeighbourPages::ManualProgram() {
    auto* page = Find<ExternalProgramPage>(IDD_EXTERNAL_PROGRAM);
    return page != nullptr ? page->ManualChangeCommand() : std::nullopt;
}

bool NeighbourPages::IconsTransparentAfterChange() {
    const auto* page = Find<DesktopIconPage>(IDD_DESKTOP_ICON);
    return page != nullptr && page->TransparentAfterChange();
}

} // namespace pelaconf
