#pragma once
// The desktop icon page: when the desktop icon labels are drawn without a background, with the
// always box enabled only while the after-change box is on.

#include "desktop/desktop_icon_page.h"
#include "ui/page_dialog.h"

namespace pelaconf {

class DesktopIconPage : public PageDialog {
public:
    explicit DesktopIconPage(SettingsRecord& record);

    bool Validate() override;
    void Store() override;

protected:
    bool OnInit() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ReadControls();
    void ShowAlways();

    SettingsRecord& record_;
    DesktopIconModel model_;
};

} // namespace pelaconf
