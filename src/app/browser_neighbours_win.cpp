#include "app/browser_neighbours_win.h"

#include "desktop/desktop_icon_page_win.h"
#include "pages/display_position_page_win.h"
#include "pages/external_program_page_win.h"
#include "pages/wallpaper_folder_page_win.h"
#include "pages/wave_page_win.h"
#include "resource.h"
#include "settings/settings_record.h"

namespace pelaconf {

SettingsWindowNeighbours::SettingsWindowNeighbours(std::function<PageDialog*(int templateId)> findPage)
    : findPage_(std::move(findPage)) {}

template <typename Page> Page* SettingsWindowNeighbours::Find(int templateId) const {
    return findPage_ ? dynamic_cast<Page*>(findPage_(templateId)) : nullptr;
}

std::string SettingsWindowNeighbours::WallpaperFolder() {
    const auto* page = Find<WallpaperFolderPage>(IDD_WALLPAPER_FOLDER);
    return page != nullptr ? page->CurrentPath() : std::string();
}

void SettingsWindowNeighbours::CopyDisplayPosition(SettingsRecord& record) {
    if (const auto* page = Find<DisplayPositionPage>(IDD_DISPLAY_POSITION)) {
        record.Rect_Type = page->CurrentPosition();
        record.Rect_Fit = page->CurrentFit();
    }
}

void SettingsWindowNeighbours::PlaySoundIfManual() {
    if (auto* page = Find<WavePage>(IDD_WAVE); page != nullptr && page->PlaysOnManualChange()) {
        page->PlayNow();
    }
}

std::optional<std::string> SettingsWindowNeighbours::ManualProgram() {
    auto* page = Find<ExternalProgramPage>(IDD_EXTERNAL_PROGRAM);
    return page != nullptr ? page->ManualChangeCommand() : std::nullopt;
}

bool SettingsWindowNeighbours::IconsTransparentAfterChange() {
    const auto* page = Find<DesktopIconPage>(IDD_DESKTOP_ICON);
    return page != nullptr && page->TransparentAfterChange();
}

} // namespace pelaconf
