#pragma once
// The hotkey page: one hot-key control per action of Pelavine. The page learns whether it was
// changed only when it is validated.

#include "pages/hotkey_page.h"
#include "pages/model_page_win.h"

namespace pelaconf {

class MessageBoxes;

class HotkeyPage : public ModelPage<HotkeyModel> {
public:
    HotkeyPage(SettingsRecord& record, MessageBoxes& messages);

protected:
    bool OnInit() override;
    bool ModelIsValid() override;

private:
    MessageBoxes& messages_;
};

} // namespace pelaconf
