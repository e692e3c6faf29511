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
    SetForegroundWindow(window);
    SetForegroundWindow(GetLastActivePopup(window));
}

} // namespace pelaconf
