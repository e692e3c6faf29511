#pragma once
// The desktop's own windows: the Program Manager, its icon list view and its HTML view, and
// making the icon labels' text background transparent.

#include <windows.h>

namespace pelaconf {

HWND FindProgramManager();
HWND FindDesktopListView();
HWND FindActiveDesktopView();

// Sets the icon list's text background to none unless it already is; with repeat, checks again
// about every 50 ms for 200 ms.
void MakeIconLabelsTransparent(int repeat);

} // namespace pelaconf
