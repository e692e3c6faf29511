#include "pages/display_position_page_win.h"

namespace pelaconf {

// A click on the chosen position again is no change.
DisplayPositionPage::DisplayPositionPage(SettingsRecord& record)
    : ModelPage(IDD_DISPLAY_POSITION, record, DisplayPositionHelpText(),
                {
                    BindRadioGroup(IDC_POSITION_CENTRE, IDC_POSITION_KEEP_ASPECT, &DisplayPositionModel::position)
                        .MarksOnlyWhenValueChanges(),
                    BindCheckBox(IDC_POSITION_FIT, &DisplayPositionModel::fit),
                }) {}

} // namespace pelaconf
