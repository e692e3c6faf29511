#include "ui/page_dialog.h"

namespace pelaconf {

bool PageDialog::CreateChild(HWND parent) {
    if (!Create(parent)) {
        return false;
    }
    ShowWindow(Window(), SW_HIDE);
    SetWindowLongPtrW(Window(), GWLP_ID, TemplateId());
    return true;
}

void PageDialog::Place(const RECT& area) {
    SetWindowPos(Window(), nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

} // namespace pelaconf
