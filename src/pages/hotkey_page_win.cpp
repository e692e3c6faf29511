#include "pages/hotkey_page_win.h"

namespace pelaconf {
namespace {

// The controls in the order of the model's keys.
constexpr int kHotkeyControls[] = {IDC_HOTKEY_ASCENDING, IDC_HOTKEY_DESCENDING, IDC_HOTKEY_RANDOM, IDC_HOTKEY_REMOVE};

} // namespace

HotkeyPage::HotkeyPage(SettingsRecord& record, MessageBoxes& messages)
    : ModelPage(IDD_HOTKEY, record, HotkeyHelpText()), messages_(messages) {}

bool HotkeyPage::OnInit() {
    for (const int id : kHotkeyControls) {
        SetHotkeyRules(Window(), id, kRefusedHotkeyModifiers, kReplacementHotkeyModifiers);
    }
    return ModelPage::OnInit();
}

void HotkeyPage::ShowModel() {
    for (size_t i = 0; i < model_.keys.size(); ++i) {
        SetHotkey(Window(), kHotkeyControls[i], model_.keys[i]);
    }
}

void HotkeyPage::ReadControls() {
    for (size_t i = 0; i < model_.keys.size(); ++i) {
        model_.keys[i] = GetHotkey(Window(), kHotkeyControls[i]);
    }
}

bool HotkeyPage::ModelIsValid() {
    const HotkeyCheck check = model_.Validate(Record(), messages_);
    if (check == HotkeyCheck::Changed) {
        SetModified(true);
    }
    return check != HotkeyCheck::Refused;
}

} // namespace pelaconf
