#pragma once
// Moving values between a dialog's controls and a page model, with the exchange rules in one
// place: check boxes as 0 or 1, radio groups as the index of the checked button or -1,
// drop-down lists as the selected index or -1, trackbars as their position, and edit text as
// UTF-8.

#include <windows.h>

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace pelaconf {

// Check boxes: a stored value outside 0 to 2 shows the box cleared.
int GetCheckBox(HWND dialog, int id);
void SetCheckBox(HWND dialog, int id, int value);

// Radio groups, named by their first button: only radio buttons count, up to the next
// control that starts a new group. Setting an index no button has checks none.
int GetRadioGroupIndex(HWND dialog, int firstId);
void SetRadioGroupIndex(HWND dialog, int firstId, int index);
// Reads the group into a stored value, keeping the value when no button is checked (a stored
// value that no button shows stays until the user chooses one).
void ReadRadioGroupInto(HWND dialog, int firstId, int& value);

// Drop-down lists: the items in order, replacing any before; the selected index or -1.
void FillDropDown(HWND dialog, int id, std::span<const std::string_view> items);
void FillDropDown(HWND dialog, int id, std::initializer_list<std::string_view> items);
int GetDropDownIndex(HWND dialog, int id);
void SetDropDownIndex(HWND dialog, int id, int index);

// Trackbars (sliders).
void SetTrackbarRange(HWND dialog, int id, int minimum, int maximum);
int GetTrackbarPosition(HWND dialog, int id);
void SetTrackbarPosition(HWND dialog, int id, int position);
// A tick mark every `frequency` positions (the trackbar needs TBS_AUTOTICKS), and how far Page Up,
// Page Down and a click beside the thumb move it.
void SetTrackbarTicks(HWND dialog, int id, int frequency);
void SetTrackbarPageSize(HWND dialog, int id, int pageSize);

std::string GetItemText(HWND dialog, int id);
void SetItemText(HWND dialog, int id, std::string_view text);

void EnableItem(HWND dialog, int id, bool enabled);

// Geometry: makes the control taller or shorter by `pixels`, keeping its place.
void GrowItemHeight(HWND dialog, int id, int pixels);
// The control's rectangle in the dialog's client coordinates.
RECT ItemRectangle(HWND dialog, int id);

} // namespace pelaconf
