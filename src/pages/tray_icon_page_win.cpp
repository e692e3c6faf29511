#include "pages/tray_icon_page_win.h"

#include "win/gdi_scopes.h"

namespace pelaconf {

TrayIconPage::TrayIconPage(SettingsRecord& record)
    : ModelPage(IDD_TRAY_ICON, record, TrayIconHelpText(),
                {
                    BindDropDown(IDC_TRAY_LEFT_SINGLE, &TrayIconModel::leftSingle),
                    BindDropDown(IDC_TRAY_LEFT_DOUBLE, &TrayIconModel::leftDouble),
                }) {}

bool TrayIconPage::OnInit() {
    for (const int list : {IDC_TRAY_LEFT_SINGLE, IDC_TRAY_LEFT_DOUBLE}) {
        FillDropDown(Window(), list, kTrayActions);
    }
    picture_.LoadBmp(TrayPicturePath(Record())); // a picture that cannot be read leaves the frame empty
    return ModelPage::OnInit();
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
