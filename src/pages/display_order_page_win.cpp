#include "pages/display_order_page_win.h"

namespace pelaconf {

// Choosing the order that was chosen already is no change.
DisplayOrderPage::DisplayOrderPage(SettingsRecord& record)
    : ModelPage(IDD_DISPLAY_ORDER, record, DisplayOrderHelpText(),
                {
                    BindRadioGroup(IDC_ORDER_ASCENDING, IDC_ORDER_RANDOM, &DisplayOrderModel::order)
                        .MarksOnlyWhenValueChanges()
                        .FollowedBy([this] { return FollowOrder(); }),
                    BindCheckBox(IDC_ORDER_ONE_ROUND, &DisplayOrderModel::oneRound),
                }) {}

// Applies the enabling rule of the order chosen, which is not a change of its own.
bool DisplayOrderPage::FollowOrder() {
    ReadControls();
    model_.ChooseOrder(model_.order);
    ShowBound(IDC_ORDER_ONE_ROUND);
    EnableItem(Window(), IDC_ORDER_ONE_ROUND, model_.OneRoundEnabled());
    return false;
}

} // namespace pelaconf
