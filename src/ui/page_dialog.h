#pragma once
// The base of every page of the settings window and the wizard: a child dialog that keeps the
// settings page contract. A page without settings is always valid and stores nothing.

#include "pages/settings_page.h"
#include "ui/dialog.h"

namespace pelaconf {

class PageDialog : public Dialog, public SettingsPage {
public:
    using Dialog::Dialog;

    // Creates the page hidden inside the parent, with its template id as its control id so
    // that the page can be found from outside.
    bool CreateChild(HWND parent);
    // Moves the page onto the rectangle (in the parent's client coordinates) without painting.
    void Place(const RECT& area);

    bool Validate() override { return true; }
    void Store() override {}

protected:
    // Enter and Esc belong to the window that hosts the page, never end the page itself.
    void OnOk() override {}
    void OnCancel() override {}
};

} // namespace pelaconf
