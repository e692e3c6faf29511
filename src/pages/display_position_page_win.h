#pragma once
// The display position page: how the image is placed, and whether it is fitted to the screen.

#include "pages/display_position_page.h"
#include "ui/page_dialog.h"

namespace pelaconf {

class DisplayPositionPage : public PageDialog {
public:
    explicit DisplayPositionPage(SettingsRecord& record);

    bool Validate() override;
    void Store() override;
    void Reload() override;

protected:
    bool OnInit() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;

private:
    void ReadControls();

    SettingsRecord& record_;
    DisplayPositionModel model_;
};

} // namespace pelaconf
