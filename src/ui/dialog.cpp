#include "ui/dialog.h"

namespace pelaconf {

Dialog::~Dialog() {
    if (window_ != nullptr && !modal_) {
        SetWindowLongPtrW(window_, DWLP_USER, 0);
        DestroyWindow(window_);
    }
}

INT_PTR Dialog::RunModal(HWND parent) {
    modal_ = true;
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), parent, Procedure,
                           reinterpret_cast<LPARAM>(this));
}

bool Dialog::Create(HWND parent) {
    modal_ = false;
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), parent, Procedure,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

void Dialog::End(INT_PTR result) {
    if (modal_) {
        EndDialog(window_, result);
    } else {
        DestroyWindow(window_);
    }
}

bool Dialog::OnCommand(int id, int, HWND) {
    if (id == IDOK) {
        OnOk();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<Dialog*>(lParam);
        dialog->window_ = window;
        SetWindowLongPtrW(window, DWLP_USER, lParam);
    }
    if (dialog == nullptr) {
        return FALSE;
    }
    try {
        return dialog->Dispatch(message, wParam, lParam);
    } catch (...) {
        // An exception must never unwind through Windows' own frames.
        return FALSE;
    }
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnInit() ? TRUE : FALSE;
    case WM_COMMAND: return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
    case WM_NOTIFY:
        if (const auto result = OnNotify(*reinterpret_cast<const NMHDR*>(lParam))) {
            SetWindowLongPtrW(window_, DWLP_MSGRESULT, *result);
            return TRUE;
        }
        return FALSE;
    case WM_TIMER: return OnTimer(wParam) ? TRUE : FALSE;
    case WM_PAINT: return OnPaint() ? TRUE : FALSE;
    case WM_DRAWITEM: return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? TRUE : FALSE;
    case WM_DESTROY:
        OnDestroy();
        SetWindowLongPtrW(window_, DWLP_USER, 0);
        window_ = nullptr;
        return FALSE;
    default: break;
    }
    const auto handled = OnMessage(message, wParam, lParam);
    return handled ? *handled : FALSE;
}

} // namespace pelaconf
