#include "pages/startup_page_win.h"

namespace pelaconf {

StartupPage::StartupPage(SettingsRecord& record) : ModelPage(IDD_STARTUP, record, StartupHelpText()) {}

void StartupPage::ShowModel() {
    SetCheckBox(Window(), IDC_START_CHANGE_WALLPAPER, model_.changeWallpaper);
    SetCheckBox(Window(), IDC_START_SHOW_TOOLBAR, model_.showToolBar);
    SetCheckBox(Window(), IDC_START_EXIT_AT_ONCE, model_.exitAtOnce);
}

void StartupPage::ReadControls() {
    model_.changeWallpaper = GetCheckBox(Window(), IDC_START_CHANGE_WALLPAPER);
    model_.showToolBar = GetCheckBox(Window(), IDC_START_SHOW_TOOLBAR);
    model_.exitAtOnce = GetCheckBox(Window(), IDC_START_EXIT_AT_ONCE);
}

bool StartupPage::OnButtonClicked(int id) {
    const bool checkBox =
        id == IDC_START_CHANGE_WALLPAPER || id == IDC_START_SHOW_TOOLBAR || id == IDC_START_EXIT_AT_ONCE;
    if (checkBox) {
        SetModified(true);
        return true;
    }
    return false;
}

} // namespace pelaconf
