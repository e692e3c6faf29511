#pragma once
// The external program page: the command line Pelavine runs after a wallpaper change, with its
// file dialog and the three boxes for the kinds of change.

#include "pages/change_action_page_win.h"
#include "pages/external_program_page.h"

#include <optional>
#include <string>

namespace pelaconf {

class MessageBoxes;

class ExternalProgramPage : public ChangeActionPage<ExternalProgramModel> {
public:
    ExternalProgramPage(SettingsRecord& record, MessageBoxes& messages);

    // The command line in the field when the manual-change box is checked, as the controls hold
    // them now (not yet stored).
    std::optional<std::string> ManualChangeCommand();

protected:
    bool ModelIsValid() override;

private:
    MessageBoxes& messages_;
};

} // namespace pelaconf
