#include "wizard/wizard_message_page_win.h"

#include "wizard/wizard_steps.h"
#include "resource.h"
#include "ui/controls.h"

namespace pelaconf {

WizardMessagePage::WizardMessagePage() : PageDialog(IDD_WIZARD_MESSAGE) {}

bool WizardMessagePage::OnInit() {
    ShowText(static_cast<int>(WizardStep::Welcome));
    return true;
}

void WizardMessagePage::ShowText(int number) {
    if (const auto text = WizardMessageText(number)) {
        SetItemText(Window(), IDC_HELP_TEXT, *text);
    }
}

} // namespace pelaconf
