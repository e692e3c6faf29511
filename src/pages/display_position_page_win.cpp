#include "pages/display_position_page_win.h"

namespace pelaconf {

DisplayPositionPage::DisplayPositionPage(SettingsRecord& record)
    : ModelPage(IDD_DISPLAY_POSITION, record, DisplayPositionHelpText()) {}

void DisplayPositionPage::ShowModel() {
    SetRadioGroupIndex(Window(), IDC_POSITION_CENTRE, model_.position);
    SetCheckBox(Window(), IDC_POSITION_FIT, model_.fit);
}

void DisplayPositionPage::ReadControls() {
    model_.position = GetRadioGroupIndex(Window(), IDC_POSITION_CENTRE);
    model_.fit = GetCheckBox(Window(), IDC_POSITION_FIT);
}

bool DisplayPositionPage::OnButtonClicked(int id) {
    if (id >= IDC_POSITION_CENTRE && id <= IDC_POSITION_KEEP_ASPECT) {
        const int before = model_.position;
        ReadControls();
        if (model_.position != before) {
            SetModified(true);
        }
        return true;
    }
    if (id == IDC_POSITION_FIT) {
        SetModified(true);
        return true;
    }
    return false;
}

} // namespace pelaconf
