#pragma once
// The wizard's message page: one text under an untitled frame, chosen by its number.

#include "ui/page_dialog.h"

namespace pelaconf {

class WizardMessagePage : public PageDialog {
public:
    WizardMessagePage();

    // Shows the text with the number; a number without a text leaves the page as it is.
    void ShowText(int number);

protected:
    bool OnInit() override;
};

} // namespace pelaconf
