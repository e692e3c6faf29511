#include "pages/display_position_page_win.h"

#include "resource.h"
#include "ui/controls.h"

namespace pelaconf {

DisplayPositionPage::DisplayPositionPage(SettingsRecord& record) : PageDialog(IDD_DISPLAY_POSITION), record_(record) {}

bool DisplayPositionPage::OnInit() {
    SetModified(0);
    SetItemText(Window(), IDC_HELP_TEXT, DisplayPositionHelpText());
    Reload();
    return true;
}

void DisplayPositionPage::Reload() {
    model_.Load(record_);
    SetRadioGroupIndex(Window(), IDC_POSITION_CENTRE, model_.position);
    SetCheckBox(Window(), IDC_POSITION_FIT, model_.fit);
}

void DisplayPositionPage::ReadControls() {
    ReadRadioGroupInto(Window(), IDC_POSITION_CENTRE, model_.position);
    model_.fit = GetCheckBox(Window(), IDC_POSITION_FIT);
}

bool DisplayPositionPage::Validate() {
    ReadControls();
    return true;
}

void DisplayPositionPage::Store() {
    ReadControls();
    model_.Store(record_);
}

bool DisplayPositionPage::OnCommand(int id, int notifyCode, HWND control) {
    if (notifyCode == BN_CLICKED && id >= IDC_POSITION_CENTRE && id <= IDC_POSITION_KEEP_ASPECT) {
        const int before = model_.position;
        ReadControls();
        if (model_.position != before) {
            SetModified(1);
        }
        return true;
    }
    if (notifyCode == BN_CLICKED && id == IDC_POSITION_FIT) {
        SetModified(1);
        return true;
    }
    return PageDialog::OnCommand(id, notifyCode, control);
}

} // namespace pelaconf
