#include "app/single_instance_win.h"

namespace pelaconf {

bool SingleInstance::Acquire() {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Pelaconf");
    const DWORD error = GetLastError();
    mutex_.Reset(mutex);
    return error != ERROR_ALREADY_EXISTS;
}

HWND FindRunningSettingsWindow() {
    for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window != nullptr;
         window = GetWindow(window, GW_HWNDNEXT)) {
        if (GetPropW(window, kSettingsWindowProperty) != nullptr) {
            return window;
        }
    }
    return nullptr;
}

void BringToFront(HWND window) {
    if (IsIconic(window)) {
        ShowWindow(window, SW_RESTORE);
    }
    // The dialog open over the window (the wizard, a message box) takes the keyboard; a hidden
    // popup of the window, such as its wait window, never does.
    const HWND popup = GetLastActivePopup(window);
    SetForegroundWindow(popup != nullptr && IsWindowVisible(popup) ? popup : window);
}

} // namespace pelaconf
