#pragma once
// The first-run wizard: its own instances of the five pages it edits and its message page, shown
// one step at a time with back, next and cancel. The steps' rules live in WizardSteps; this
// class moves between the window and them.

#include "pages/page_table_win.h"
#include "ui/dialog.h"
#include "wizard/wizard_message_page_win.h"
#include "wizard/wizard_steps.h"

#include <vector>

namespace pelaconf {

class Wizard : public Dialog, private WizardPages {
public:
    // The pages are made as the settings window makes its own, with the same services.
    explicit Wizard(PageServices services);

protected:
    bool OnInit() override;
    bool OnButtonClicked(int id) override;
    // The hidden OK button is never pressed; Enter presses next, the default button.
    void OnOk() override {}
    void OnCancel() override;
    void OnDpiChanged(int dpi) override;

private:
    bool Validate(int templateId) override;
    void Store(int templateId) override;
    void CreatePages();
    void PlacePages();
    void ShowStep();
    void KeepFocusUsable();
    // The settings of the page made from the template; null for a page that holds none.
    SettingsPage* SettingsOf(int templateId) const;

    PageServices services_;
    WizardSteps steps_;
    std::vector<CreatedPage> pages_; // in the order of kWizardPageTemplates
    WizardMessagePage messagePage_;
};

} // namespace pelaconf
