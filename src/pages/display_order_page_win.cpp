#include "pages/display_order_page_win.h"

namespace pelaconf {

DisplayOrderPage::DisplayOrderPage(SettingsRecord& record)
    : ModelPage(IDD_DISPLAY_ORDER, record, DisplayOrderHelpText()) {}

void DisplayOrderPage::ShowModel() {
    SetRadioGroupIndex(Window(), IDC_ORDER_ASCENDING, model_.order);
    SetCheckBox(Window(), IDC_ORDER_ONE_ROUND, model_.oneRound);
}

void DisplayOrderPage::ReadControls() {
    model_.order = GetRadioGroupIndex(Window(), IDC_ORDER_ASCENDING);
    model_.oneRound = GetCheckBox(Window(), IDC_ORDER_ONE_ROUND);
}

void DisplayOrderPage::ShowOneRound() {
    SetCheckBox(Window(), IDC_ORDER_ONE_ROUND, model_.oneRound);
    EnableItem(Window(), IDC_ORDER_ONE_ROUND, model_.OneRoundEnabled());
}

bool DisplayOrderPage::OnButtonClicked(int id) {
    if (id == IDC_ORDER_ASCENDING || id == IDC_ORDER_DESCENDING || id == IDC_ORDER_RANDOM) {
        const int chosen = GetRadioGroupIndex(Window(), IDC_ORDER_ASCENDING);
        model_.oneRound = GetCheckBox(Window(), IDC_ORDER_ONE_ROUND);
        if (chosen >= 0 && model_.ChooseOrder(chosen)) {
            SetModified(true);
        }
        ShowOneRound();
        return true;
    }
    if (id == IDC_ORDER_ONE_ROUND) {
        SetModified(true);
        return true;
    }
    return false;
}

void DisplayOrderPage::OnShowWindow(bool shown) {
    if (!shown) {
        return;
    }
    ReadControls();
    model_.ChooseOrder(model_.order); // applies the enabling rule, not a change
    ShowOneRound();
}

} // namespace pelaconf
