#include "desktop/wait_window_win.h"

#include "resource.h"

namespace pelaconf {

WaitWindow::WaitWindow() : Dialog(IDD_WAIT) {}

bool WaitWindow::CreateHidden(HWND owner) {
    if (!Create(owner)) {
        return false;
    }
    ShowWindow(Window(), SW_HIDE);
    return true;
}

void WaitWindow::Show() {
    if (Window() == nullptr) {
        return;
    }
    CentreOverOwner(Window());
    ShowWindow(Window(), SW_SHOWNA);
    UpdateWindow(Window());
}

void WaitWindow::Hide() {
    if (Window() != nullptr) {
        ShowWindow(Window(), SW_HIDE);
    }
}

} // namespace pelaconf
