#include "pages/change_action.h"

#include "platform/message_boxes.h"
#include "settings/code_page.h"
#include "settings/string_helpers.h"

namespace pelaconf {

bool ChangeAction::ChooseFile(std::string_view chosen) {
    if (chosen.empty() || EqualNoCase(chosen, path)) {
        return false;
    }
    path = std::string(chosen);
    return true;
}

bool ChangeAction::PathIsStorable(MessageBoxes& messages, std::string_view refusal) const {
    if (FitsShiftJis(path)) {
        return true;
    }
    messages.Show(refusal, MessageKind::Warning);
    return false;
}

} // namespace pelaconf
