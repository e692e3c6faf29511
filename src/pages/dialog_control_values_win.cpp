#include "pages/dialog_control_values_win.h"

#include "ui/controls.h"

namespace pelaconf {

int DialogControlValues::Number(const BoundControl& control) const {
    switch (control.kind) {
    case ControlKind::CheckBox: return GetCheckBox(dialog_, control.id);
    case ControlKind::RadioGroup: return GetRadioGroupIndex(dialog_, control.id);
    case ControlKind::DropDownIndex: return GetDropDownIndex(dialog_, control.id);
    case ControlKind::NumberField: return GetItemInt(dialog_, control.id).value_or(control.blankValue);
    case ControlKind::Slider: return GetTrackbarPosition(dialog_, control.id);
    case ControlKind::Hotkey: return GetHotkey(dialog_, control.id);
    case ControlKind::EditText: break;
    }
    return 0;
}

void DialogControlValues::ShowNumber(const BoundControl& control, int value) {
    switch (control.kind) {
    case ControlKind::CheckBox: SetCheckBox(dialog_, control.id, value); break;
    case ControlKind::RadioGroup: SetRadioGroupIndex(dialog_, control.id, value); break;
    case ControlKind::DropDownIndex: SetDropDownIndex(dialog_, control.id, value); break;
    case ControlKind::NumberField:
        if (value == control.blankValue) {
            SetItemText(dialog_, control.id, ""); // a field left empty stays empty
        } else {
            SetItemInt(dialog_, control.id, value);
        }
        break;
    case ControlKind::Slider: SetTrackbarPosition(dialog_, control.id, value); break;
    case ControlKind::Hotkey: SetHotkey(dialog_, control.id, value); break;
    case ControlKind::EditText: break;
    }
}

std::string DialogControlValues::Text(const BoundControl& control) const { return GetItemText(dialog_, control.id); }

void DialogControlValues::ShowText(const BoundControl& control, std::string_view text) {
    SetItemText(dialog_, control.id, text);
}

std::optional<ControlEvent> CommandEvent(int notifyCode) {
    switch (notifyCode) {
    case BN_CLICKED: return ControlEvent::Clicked;
    case CBN_SELCHANGE: return ControlEvent::SelectionChanged;
    case EN_CHANGE: return ControlEvent::TextChanged;
    default: return std::nullopt;
    }
}

} // namespace pelaconf
