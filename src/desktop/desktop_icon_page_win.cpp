#include "desktop/desktop_icon_page_win.h"

namespace pelaconf {

DesktopIconPage::DesktopIconPage(SettingsRecord& record) : ModelPage(IDD_DESKTOP_ICON, record, DesktopIconHelpText()) {}

void DesktopIconPage::ShowModel() {
    SetCheckBox(Window(), IDC_ICON_TRANSPARENT_AFTER_CHANGE, model_.afterChange);
    SetCheckBox(Window(), IDC_ICON_TRANSPARENT_ALWAYS, model_.always);
}

void DesktopIconPage::ReadControls() {
    model_.afterChange = GetCheckBox(Window(), IDC_ICON_TRANSPARENT_AFTER_CHANGE);
    model_.always = GetCheckBox(Window(), IDC_ICON_TRANSPARENT_ALWAYS);
}

void DesktopIconPage::ShowAlways() {
    SetCheckBox(Window(), IDC_ICON_TRANSPARENT_ALWAYS, model_.always);
    EnableItem(Window(), IDC_ICON_TRANSPARENT_ALWAYS, model_.AlwaysEnabled());
}

bool DesktopIconPage::OnButtonClicked(int id) {
    if (id == IDC_ICON_TRANSPARENT_AFTER_CHANGE) {
        ReadControls();
        if (model_.ClickAfterChange()) {
            SetModified(true);
        }
        ShowAlways();
        return true;
    }
    if (id == IDC_ICON_TRANSPARENT_ALWAYS) {
        ReadControls();
        if (model_.ClickAlways()) {
            SetModified(true);
        }
        return true;
    }
    return false;
}

void DesktopIconPage::OnShowWindow(bool shown) {
    if (!shown) {
        return;
    }
    ReadControls();
    if (model_.Show()) {
        SetModified(true);
    }
    ShowAlways();
}

} // namespace pelaconf
