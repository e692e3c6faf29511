#include "pages/tray_icon_page_win.h"

#include "win/gdi_scopes.h"

namespace pelaconf {

TrayIconPage::TrayIconPage(SettingsRecord& record) : ModelPage(IDD_TRAY_ICON, record, TrayIconHelpText()) {}

bool TrayIconPage::OnInit() {
    for (const int list : {IDC_TRAY_LEFT_SINGLE, IDC_TRAY_LEFT_DOUBLE}) {
        FillDropDown(Window(), list, kTrayActions);
    }
    picture_.LoadBmp(TrayPicturePath(Record())); // a picture that cannot be read leaves the frame empty
    return ModelPage::OnInit();
}

void TrayIconPage::ShowModel() {
    SetDropDownIndex(Window(), IDC_TRAY_LEFT_SINGLE, model_.leftSingle);
    SetDropDownIndex(Window(), IDC_TRAY_LEFT_DOUBLE, model_.leftDouble);
}

void TrayIconPage::ReadControls() {
    model_.leftSingle = GetDropDownIndex(Window(), IDC_TRAY_LEFT_SINGLE);
    model_.leftDouble = GetDropDownIndex(Window(), IDC_TRAY_LEFT_DOUBLE);
}

bool TrayIconPage::OnCommand(int id, int notifyCode, HWND control) {
    if ((id == IDC_TRAY_LEFT_SINGLE || id == IDC_TRAY_LEFT_DOUBLE) && notifyCode == CBN_SELCHANGE) {
        SetModified(true);
        return true;
    }
    return ModelPage::OnCommand(id, notifyCode, control);
}

// The frame control draws only its border; the picture goes inside it.
bool TrayIconPage::OnPaint() {
    const PaintScope paint(Window());
    if (picture_.HasImage()) {
        const RECT frame = ItemRectangle(Window(), IDC_TRAY_PICTURE);
        picture_.DrawFitted(paint.Dc(), frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top);
    }
    return true;
}

} // namespace pelaconf
