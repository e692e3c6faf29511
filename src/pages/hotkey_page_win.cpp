#include "pages/hotkey_page_win.h"

#include "platform/message_boxes.h"

#include <cstddef>

namespace pelaconf {
namespace {

// The controls in the order of the model's keys.
constexpr int kHotkeyControls[] = {IDC_HOTKEY_ASCENDING, IDC_HOTKEY_DESCENDING, IDC_HOTKEY_RANDOM, IDC_HOTKEY_REMOVE};

// The page learns whether a key was changed only when it is validated.
template <size_t Key> ControlBinding<HotkeyModel> BindKey() {
    return BindNumber<HotkeyModel>(
               ControlKind::Hotkey, kHotkeyControls[Key], [](const HotkeyModel& model) { return model.keys[Key]; },
               [](HotkeyModel& model, int code) { model.keys[Key] = code; })
        .Untracked();
}

} // namespace

HotkeyPage::HotkeyPage(SettingsRecord& record, MessageBoxes& messages)
    : ModelPage(IDD_HOTKEY, record, HotkeyHelpText(), {BindKey<0>(), BindKey<1>(), BindKey<2>(), BindKey<3>()}),
      messages_(messages) {}

bool HotkeyPage::OnInit() {
    for (const int id : kHotkeyControls) {
        SetHotkeyRules(Window(), id, kRefusedHotkeyModifiers, kReplacementHotkeyModifiers);
    }
    return ModelPage::OnInit();
}

bool HotkeyPage::ModelIsValid() {
    const HotkeyCheck check = model_.Validate(Record());
    if (check == HotkeyCheck::SharedKey) {
        messages_.Show(kDuplicateHotkeyMessage, MessageKind::Warning);
        return false;
    }
    if (check == HotkeyCheck::Changed) {
        ModelChangedByRule();
    }
    return true;
}

} // namespace pelaconf
