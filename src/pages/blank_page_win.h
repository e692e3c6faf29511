#pragma once
// A page whose settings are not built yet: an empty page from its template, always valid,
// never modified, storing nothing.

#include "pages/settings_page.h"
#include "ui/page_dialog.h"

namespace pelaconf {

class BlankPage : public PageDialog, public SettingsPage {
public:
    using PageDialog::PageDialog;

    bool Validate() override { return true; }
    void Store() override {}
};

} // namespace pelaconf
