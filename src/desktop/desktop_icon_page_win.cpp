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

bool DesktopIconPage::OnCommand(int id, int notifyCode, HWND control) {
    if (notifyCode != BN_CLICKED) {
        return ModelPage::OnCommand(id, notifyCode, control);
    }
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
    return ModelPage::OnCommand(id, notifyCode, control);
}

std::optional<INT_PTR> DesktopIconPage::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_SHOWWINDOW && wParam != FALSE) {
        ReadControls();
        if (model_.Show()) {
            SetModified(true);
        }
        ShowAlways();
    }
    return std::nullopt;
}

} // namespace pelaconf
