#pragma once
// Hyperlink-like buttons: owner-drawn push buttons that show their text blue and underlined, red
// while pressed, as wide as their text, with the program's link cursor over them.

#include <windows.h>

namespace pelaconf {

// Makes the button as large as its text in its own font (plus a pixel for the underline), so
// that the link cursor shows only over the text. The button keeps its place. dpi: its dialog's.
void FitLinkButtonToText(HWND button, int dpi);
// Draws the link for WM_DRAWITEM.
void DrawLinkButton(const DRAWITEMSTRUCT& item, int dpi);
// For WM_SETCURSOR over a link of the dialog: shows the link cursor; the message's result.
INT_PTR ShowLinkCursor(HWND dialog);

} // namespace pelaconf
