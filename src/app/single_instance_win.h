#pragma once
// One settings window at a time: the named mutex "Pelaconf" tells a second start that a
// first one runs, and the window property "Pelaconf" lets it find that window.

#include "win/handles.h"

#include <windows.h>

namespace pelaconf {

inline constexpr wchar_t kSettingsWindowProperty[] = L"Pelaconf";

class SingleInstance {
public:
    // Creates the mutex; false when another instance already holds one of that name.
    bool Acquire();

private:
    UniqueKernelHandle mutex_;
};

// The first top-level window that carries the property, or null.
HWND FindRunningSettingsWindow();

// Restores a minimised window, brings it to the front, then its last active pop-up
// (an open message box, say).
void BringToFront(HWND window);

} // namespace pelaconf
