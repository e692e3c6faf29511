#pragma once
// The display position page: how the image is placed, and whether it is fitted to the screen.

#include "pages/display_position_page.h"
#include "pages/model_page_win.h"

namespace pelaconf {

class DisplayPositionPage : public ModelPage<DisplayPositionModel> {
public:
    explicit DisplayPositionPage(SettingsRecord& record);

    // The position choice and the fit box (0 or 1) as they are now, saved or not.
    int CurrentPosition() const { return GetRadioGroupIndex(Window(), IDC_POSITION_CENTRE); }
    int CurrentFit() const { return GetCheckBox(Window(), IDC_POSITION_FIT); }
};

} // namespace pelaconf
