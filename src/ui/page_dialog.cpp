#include "ui/page_dialog.h"

namespace pelaconf {

bool PageDialog::CreateChild(HWND parent, HWND tabPredecessor) {
    if (!Create(parent)) {
        return false;
    }
    ShowWindow(Window(), SW_HIDE);
    SetWindowLongPtrW(Window(), GWLP_ID, TemplateId());
    SetWindowPos(Window(), tabPredecessor, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
    return true;
}

void PageDialog::Place(const RECT& area) {
    SetWindowPos(Window(), nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

} // namespace pelaconf
