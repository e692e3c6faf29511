#pragma once
// The display order page: ascending, descending or random, and the one-round box that only
// random order enables.

#include "pages/display_order_page.h"
#include "pages/model_page_win.h"

namespace pelaconf {

class DisplayOrderPage : public ModelPage<DisplayOrderModel> {
public:
    explicit DisplayOrderPage(SettingsRecord& record);

protected:
    bool FollowRulesWhenShown() override { return FollowOrder(); }

private:
    bool FollowOrder();
};

} // namespace pelaconf
