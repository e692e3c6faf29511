#pragma once
// The desktop icon page: when the desktop icon labels are drawn without a background, with the
// always box enabled only while the after-change box is on.

#include "desktop/desktop_icon_page.h"
#include "pages/model_page_win.h"

namespace pelaconf {

class DesktopIconPage : public ModelPage<DesktopIconModel> {
public:
    explicit DesktopIconPage(SettingsRecord& record);

    // The after-change box as it is now, saved or not.
    bool TransparentAfterChange() const { return GetCheckBox(Window(), IDC_ICON_TRANSPARENT_AFTER_CHANGE) == 1; }

protected:
    bool FollowRulesWhenShown() override;

private:
    void ShowAlways();
};

} // namespace pelaconf
