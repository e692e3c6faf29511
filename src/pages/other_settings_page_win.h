#pragma once
// The other-settings page: the settings window's fade, and Pelavine's wait window with its
// transparency slider, which follows the wait-window box.

#include "pages/model_page_win.h"
#include "pages/other_settings_page.h"

namespace pelaconf {

class OtherSettingsPage : public ModelPage<OtherSettingsModel> {
public:
    OtherSettingsPage(SettingsRecord& record, bool layeredWindowsAvailable);

protected:
    bool OnInit() override;
    void ShowRules() override;
    bool FollowRulesWhenShown() override;
    void OnDpiChanged(int) override { FitTrackbarHeight(Window(), IDC_OTHER_TRANSPARENCY); }

private:
    void ShowTransparencyText();
    void FollowWaitWindow();
};

} // namespace pelaconf
