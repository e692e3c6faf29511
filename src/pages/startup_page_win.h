#pragma once
// The start-up page: three check boxes for what Pelavine does when it starts.

#include "pages/startup_page.h"
#include "ui/page_dialog.h"

namespace pelaconf {

class StartupPage : public PageDialog {
public:
    explicit StartupPage(SettingsRecord& record);

    bool Validate() override;
    void Store() override;
    void Reload() override;

protected:
    bool OnInit() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;

private:
    void ReadControls();

    SettingsRecord& record_;
    StartupModel model_;
};

} // namespace pelaconf
