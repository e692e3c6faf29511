#pragma once
// Moving values between a dialog's controls and a page model, with the exchange rules in one
// place: check boxes as 0 or 1, radio groups as the index of the checked button or -1,
// drop-down lists as the selected index or -1, trackbars as their position, list boxes as
// entries of a text and a value, integer fields as a number or nothing, hot-key controls as
// their hot-key code, and edit text as UTF-8.

#include <windows.h>

#include <commctrl.h>

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pelaconf {

// Check boxes: a stored value outside 0 to 2 shows the box cleared.
int GetCheckBox(HWND dialog, int id);
void SetCheckBox(HWND dialog, int id, int value);

// Radio groups, named by their first button: only radio buttons count, up to the next
// control that starts a new group. Setting an index no button has checks none.
int GetRadioGroupIndex(HWND dialog, int firstId);
void SetRadioGroupIndex(HWND dialog, int firstId, int index);

// Drop-down lists: the items in order, replacing any before; the selected index or -1.
void FillDropDown(HWND dialog, int id, std::span<const std::string_view> items);
void FillDropDown(HWND dialog, int id, std::initializer_list<std::string_view> items);
int GetDropDownIndex(HWND dialog, int id);
void SetDropDownIndex(HWND dialog, int id, int index);

// Trackbars (sliders).
void SetTrackbarRange(HWND dialog, int id, int minimum, int maximum);
int GetTrackbarPosition(HWND dialog, int id);
void SetTrackbarPosition(HWND dialog, int id, int position);
// A tick mark every `frequency` positions (the trackbar needs TBS_AUTOTICKS).
void SetTrackbarTicks(HWND dialog, int id, int frequency);
// How far a click beside the thumb (Page Up, Page Down) moves it.
void SetTrackbarPageSize(HWND dialog, int id, int positions);
// A page's slider: drawn a little taller than its template gives, room for its thumb and ticks,
// with its range and page size.
void SetUpTrackbar(HWND dialog, int id, int minimum, int maximum, int pageSize);
// The slider's height again after its dialog was laid out anew (at another DPI).
void FitTrackbarHeight(HWND dialog, int id);

// Up-down controls: a decimal range, without wrapping from one end to the other.
void SetUpDownRange(HWND dialog, int id, int minimum, int maximum);

// List boxes: each entry a text and the value it stands for; a sorted list box places the
// entries by their text. The selected entry's value, or nothing without a selection.
struct ListBoxEntry {
    std::string text;
    int value;
};
void FillListBox(HWND dialog, int id, const std::vector<ListBoxEntry>& entries);
std::optional<int> GetSelectedListBoxValue(HWND dialog, int id);
void SelectListBoxValue(HWND dialog, int id, int value);

// Integer fields: a decimal number, perhaps negative, with blanks around it; nothing when the
// text holds anything else or a number too large.
std::optional<int> GetItemInt(HWND dialog, int id);
void SetItemInt(HWND dialog, int id, int value);

std::string GetItemText(HWND dialog, int id);
// Gives an edit field the focus with its whole text selected, ready to be typed over.
void FocusAndSelectText(HWND dialog, int id);
// Any window's text as the system holds it (UTF-16), for drawing and measuring.
std::wstring WindowText(HWND window);
void SetItemText(HWND dialog, int id, std::string_view text);

// An icon push button: the program's icon resource at the small-icon size of the DPI.
void SetButtonIcon(HWND dialog, int id, int iconId, int dpi);

void EnableItem(HWND dialog, int id, bool enabled);
void ShowItem(HWND dialog, int id, bool shown);

// ---- Hot-key controls
// A hot-key code: the virtual-key code in the low byte and the modifier flags (HOTKEYF_*) in the
// high byte, 0 for none. A control holds 16 bits; higher bits of a value are dropped.
int GetHotkey(HWND dialog, int id);
void SetHotkey(HWND dialog, int id, int code);
// A key typed with one of the refused sets of Shift, Ctrl and Alt held (0: none of them) gets the
// replacement modifiers instead.
void SetHotkeyRules(HWND dialog, int id, std::span<const int> refusedModifiers, int replacementModifiers);

// Geometry: makes the control taller or shorter by `pixels`, keeping its place.
void GrowItemHeight(HWND dialog, int id, int pixels);
// The control's rectangle in the dialog's client coordinates.
RECT ItemRectangle(HWND dialog, int id);

} // namespace pelaconf
