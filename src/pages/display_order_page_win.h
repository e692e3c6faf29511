#pragma once
// The display order page: ascending, descending or random, and the one-round box that only
// random order enables.

#include "pages/display_order_page.h"
#include "ui/page_dialog.h"

namespace pelaconf {

class DisplayOrderPage : public PageDialog {
public:
    explicit DisplayOrderPage(SettingsRecord& record);

    bool Validate() override;
    void Store() override;
    void Reload() override;

protected:
    bool OnInit() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ReadControls();
    void ShowOneRound();

    SettingsRecord& record_;
    DisplayOrderModel model_;
};

} // namespace pelaconf
