#include "pages/startup_page_win.h"

#include "resource.h"
#include "ui/controls.h"

namespace pelaconf {

StartupPage::StartupPage(SettingsRecord& record) : PageDialog(IDD_STARTUP), record_(record) {}

bool StartupPage::OnInit() {
    SetModified(0);
    SetItemText(Window(), IDC_HELP_TEXT, StartupHelpText());
    Reload();
    return true;
}

void StartupPage::Reload() {
    model_.Load(record_);
    SetCheckBox(Window(), IDC_START_CHANGE_WALLPAPER, model_.changeWallpaper);
    SetCheckBox(Window(), IDC_START_SHOW_TOOLBAR, model_.showToolBar);
    SetCheckBox(Window(), IDC_START_EXIT_AT_ONCE, model_.exitAtOnce);
}

void StartupPage::ReadControls() {
    model_.changeWallpaper = GetCheckBox(Window(), IDC_START_CHANGE_WALLPAPER);
    model_.showToolBar = GetCheckBox(Window(), IDC_START_SHOW_TOOLBAR);
    model_.exitAtOnce = GetCheckBox(Window(), IDC_START_EXIT_AT_ONCE);
}

bool StartupPage::Validate() {
    ReadControls();
    return true;
}

void StartupPage::Store() {
    ReadControls();
    model_.Store(record_);
}

bool StartupPage::OnCommand(int id, int notifyCode, HWND control) {
    const bool checkBox =
        id == IDC_START_CHANGE_WALLPAPER || id == IDC_START_SHOW_TOOLBAR || id == IDC_START_EXIT_AT_ONCE;
    if (checkBox && notifyCode == BN_CLICKED) {
        SetModified(1);
        return true;
    }
    return PageDialog::OnCommand(id, notifyCode, control);
}

} // namespace pelaconf
