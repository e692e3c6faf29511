#include "ui/controls.h"

#include "ui/dpi.h"
#include "win/wide_text.h"

#include <commctrl.h>

#include <charconv>
#include <vector>

namespace pelaconf {
namespace {

// A two-state box cannot show "indeterminate", so a stored 2 shows checked; any value outside
// 0 to 2 shows it cleared.
bool CheckBoxShowsChecked(int value) { return value == 1 || value == 2; }

bool IsRadioButton(HWND control) {
    wchar_t className[16] = {};
    GetClassNameW(control, className, 16);
    const LONG_PTR type = GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
    return lstrcmpiW(className, L"Button") == 0 && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

std::vector<HWND> RadioGroup(HWND dialog, int firstId) {
    std::vector<HWND> buttons;
    HWND first = GetDlgItem(dialog, firstId);
    for (HWND control = first; control != nullptr; control = GetWindow(control, GW_HWNDNEXT)) {
        if (control != first && (GetWindowLongPtrW(control, GWL_STYLE) & WS_GROUP) != 0) {
            break;
        }
        if (IsRadioButton(control)) {
            buttons.push_back(control);
        }
    }
    return buttons;
}

} // namespace

// ---- Check boxes

int GetCheckBox(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) != BST_UNCHECKED ? 1 : 0; }

void SetCheckBox(HWND dialog, int id, int value) {
    CheckDlgButton(dialog, id, CheckBoxShowsChecked(value) ? BST_CHECKED : BST_UNCHECKED);
}

// ---- Radio groups

int GetRadioGroupIndex(HWND dialog, int firstId) {
    const std::vector<HWND> buttons = RadioGroup(dialog, firstId);
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (SendMessageW(buttons[i], BM_GETCHECK, 0, 0) == BST_CHECKED) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void SetRadioGroupIndex(HWND dialog, int firstId, int index) {
    const std::vector<HWND> buttons = RadioGroup(dialog, firstId);
    for (size_t i = 0; i < buttons.size(); ++i) {
        SendMessageW(buttons[i], BM_SETCHECK, static_cast<int>(i) == index ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

// ---- Drop-down lists

void FillDropDown(HWND dialog, int id, std::initializer_list<std::string_view> items) {
    FillDropDown(dialog, id, std::span<const std::string_view>(items.begin(), items.size()));
}

void FillDropDown(HWND dialog, int id, std::span<const std::string_view> items) {
    SendDlgItemMessageW(dialog, id, CB_RESETCONTENT, 0, 0);
    for (const std::string_view item : items) {
        const std::wstring text = Utf8ToWide(item);
        SendDlgItemMessageW(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

int GetDropDownIndex(HWND dialog, int id) {
    const LRESULT index = SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

void SetDropDownIndex(HWND dialog, int id, int index) { SendDlgItemMessageW(dialog, id, CB_SETCURSEL, index, 0); }

// ---- Trackbars

void SetTrackbarRange(HWND dialog, int id, int minimum, int maximum) {
    SendDlgItemMessageW(dialog, id, TBM_SETRANGEMIN, FALSE, minimum);
    SendDlgItemMessageW(dialog, id, TBM_SETRANGEMAX, TRUE, maximum);
}

int GetTrackbarPosition(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageW(dialog, id, TBM_GETPOS, 0, 0));
}

void SetTrackbarPosition(HWND dialog, int id, int position) {
    SendDlgItemMessageW(dialog, id, TBM_SETPOS, TRUE, position);
}

void SetTrackbarTicks(HWND dialog, int id, int frequency) {
    SendDlgItemMessageW(dialog, id, TBM_SETTICFREQ, frequency, 0);
}

void SetTrackbarPageSize(HWND dialog, int id, int positions) {
    SendDlgItemMessageW(dialog, id, TBM_SETPAGESIZE, 0, positions);
}

void FitTrackbarHeight(HWND dialog, int id) {
    constexpr int kExtraHeight = 4;
    GrowItemHeight(dialog, id, kExtraHeight);
}

void SetUpTrackbar(HWND dialog, int id, int minimum, int maximum, int pageSize) {
    FitTrackbarHeight(dialog, id);
    SetTrackbarRange(dialog, id, minimum, maximum);
    SetTrackbarPageSize(dialog, id, pageSize);
}

// ---- Up-down controls

void SetUpDownRange(HWND dialog, int id, int minimum, int maximum) {
    SendDlgItemMessageW(dialog, id, UDM_SETRANGE32, minimum, maximum);
    SendDlgItemMessageW(dialog, id, UDM_SETBASE, 10, 0);
}

// ---- List boxes

void FillListBox(HWND dialog, int id, const std::vector<ListBoxEntry>& entries) {
    SendDlgItemMessageW(dialog, id, LB_RESETCONTENT, 0, 0);
    for (const ListBoxEntry& entry : entries) {
        const std::wstring text = Utf8ToWide(entry.text);
        const LRESULT index = SendDlgItemMessageW(dialog, id, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        if (index >= 0) {
            SendDlgItemMessageW(dialog, id, LB_SETITEMDATA, index, entry.value);
        }
    }
}

std::optional<int> GetSelectedListBoxValue(HWND dialog, int id) {
    const LRESULT index = SendDlgItemMessageW(dialog, id, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) {
        return std::nullopt;
    }
    return static_cast<int>(SendDlgItemMessageW(dialog, id, LB_GETITEMDATA, index, 0));
}

void SelectListBoxValue(HWND dialog, int id, int value) {
    const LRESULT count = SendDlgItemMessageW(dialog, id, LB_GETCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index) {
        if (static_cast<int>(SendDlgItemMessageW(dialog, id, LB_GETITEMDATA, index, 0)) == value) {
            SendDlgItemMessageW(dialog, id, LB_SETCURSEL, index, 0);
            return;
        }
    }
}

// ---- Integer fields

std::optional<int> GetItemInt(HWND dialog, int id) {
    const std::string text = GetItemText(dialog, id);
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::nullopt;
    }
    const size_t last = text.find_last_not_of(" \t");
    int value = 0;
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

void SetItemInt(HWND dialog, int id, int value) { SetItemText(dialog, id, std::to_string(value)); }

// ---- Any control: text, state, place

std::string GetItemText(HWND dialog, int id) { return WideToUtf8(WindowText(GetDlgItem(dialog, id))); }

void FocusAndSelectText(HWND dialog, int id) {
    const HWND field = GetDlgItem(dialog, id);
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, 0, -1);
}

std::wstring WindowText(HWND window) {
    std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
    text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
    return text;
}

void SetItemText(HWND dialog, int id, std::string_view text) { SetDlgItemTextW(dialog, id, Utf8ToWide(text).c_str()); }

void SetButtonIcon(HWND dialog, int id, int iconId, int dpi) {
    const HICON icon = SmallIconForDpi(iconId, dpi);
    SendDlgItemMessageW(dialog, id, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
}

void EnableItem(HWND dialog, int id, bool enabled) { EnableWindow(GetDlgItem(dialog, id), enabled ? TRUE : FALSE); }

void ShowItem(HWND dialog, int id, bool shown) { ShowWindow(GetDlgItem(dialog, id), shown ? SW_SHOW : SW_HIDE); }

void GrowItemHeight(HWND dialog, int id, int pixels) {
    const RECT area = ItemRectangle(dialog, id);
    SetWindowPos(GetDlgItem(dialog, id), nullptr, 0, 0, area.right - area.left, area.bottom - area.top + pixels,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT ItemRectangle(HWND dialog, int id) {
    RECT area{};
    GetWindowRect(GetDlgItem(dialog, id), &area);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

// ---- Hot-key controls

namespace {

// HKM_SETRULES names each set of Shift, Ctrl and Alt by a flag of its own.
WPARAM CombinationFlag(int modifiers) {
    switch (modifiers & (HOTKEYF_SHIFT | HOTKEYF_CONTROL | HOTKEYF_ALT)) {
    case 0: return HKCOMB_NONE;
    case HOTKEYF_SHIFT: return HKCOMB_S;
    case HOTKEYF_CONTROL: return HKCOMB_C;
    case HOTKEYF_ALT: return HKCOMB_A;
    case HOTKEYF_SHIFT | HOTKEYF_CONTROL: return HKCOMB_SC;
    case HOTKEYF_SHIFT | HOTKEYF_ALT: return HKCOMB_SA;
    case HOTKEYF_CONTROL | HOTKEYF_ALT: return HKCOMB_CA;
    default: return HKCOMB_SCA;
    }
}

} // namespace

int GetHotkey(HWND dialog, int id) { return LOWORD(SendDlgItemMessageW(dialog, id, HKM_GETHOTKEY, 0, 0)); }

void SetHotkey(HWND dialog, int id, int code) {
    SendDlgItemMessageW(dialog, id, HKM_SETHOTKEY, static_cast<WORD>(code), 0);
}

void SetHotkeyRules(HWND dialog, int id, std::span<const int> refusedModifiers, int replacementModifiers) {
    WPARAM combinations = 0;
    for (const int modifiers : refusedModifiers) {
        combinations |= CombinationFlag(modifiers);
    }
    SendDlgItemMessageW(dialog, id, HKM_SETRULES, combinations, MAKELPARAM(replacementModifiers, 0));
}

} // namespace pelaconf
