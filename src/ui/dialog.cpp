#include "ui/dialog.h"

#include "platform/message_boxes_win.h"
#include "ui/dialog_fonts.h"
#include "ui/dpi.h"

#include <algorithm>
#include <new>
#include <utility>

namespace pelaconf {
namespace {

RECT WindowRectangle(HWND window) {
    RECT area{};
    GetWindowRect(window, &area);
    return area;
}

bool SamePlace(const RECT& a, const RECT& b) { return a.left == b.left && a.top == b.top; }

bool IsChildWindow(HWND window) { return (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0; }

// Keeps the frame (caption, borders) as it is.
void ResizeClient(HWND window, SIZE client) {
    RECT outer{};
    RECT inner{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &inner);
    const LONG width = client.cx + (outer.right - outer.left) - (inner.right - inner.left);
    const LONG height = client.cy + (outer.bottom - outer.top) - (inner.bottom - inner.top);
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A dialog that did not place itself while it initialised is centred, as users expect of a
// dialog; pages and other child dialogs are placed by their parents.
bool ShouldCentre(HWND window, const RECT& before) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    return (style & WS_CHILD) == 0 && SamePlace(before, WindowRectangle(window));
}

// A handler broken off by an exception has done nothing the user asked for; they are told so
// instead of the click seeming lost. One box at a time: messages that arrive while it is open
// may fail the same way.
void ReportBrokenOffHandler(const char* message) {
    static bool reporting = false;
    if (reporting) {
        return;
    }
    reporting = true;
    Win32MessageBoxes().Show(message, MessageKind::Error);
    reporting = false;
}

} // namespace

void CentreOverOwner(HWND window) {
    HWND owner = GetWindow(window, GW_OWNER);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner != nullptr ? owner : window, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT workArea = monitor.rcWork;
    const bool ownerUsable = owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner);
    const RECT around = ownerUsable ? WindowRectangle(owner) : workArea;
    const RECT own = WindowRectangle(window);
    const LONG width = own.right - own.left;
    const LONG height = own.bottom - own.top;
    LONG left = (around.left + around.right - width) / 2;
    LONG top = (around.top + around.bottom - height) / 2;
    left = std::max(workArea.left, std::min(left, workArea.right - width));
    top = std::max(workArea.top, std::min(top, workArea.bottom - height));
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Dialog::~Dialog() {
    if (window_ != nullptr && !modal_) {
        SetWindowLongPtrW(window_, DWLP_USER, 0);
        DestroyWindow(window_);
    }
}

// Both are made from the template with its face replaced by an installed one.
INT_PTR Dialog::RunModal(HWND parent) {
    modal_ = true;
    template_ = LoadProgramDialogTemplate(templateId_);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const auto self = reinterpret_cast<LPARAM>(this);
    if (template_) {
        return DialogBoxIndirectParamW(instance, template_->Get(), parent, Procedure, self);
    }
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(templateId_), parent, Procedure, self);
}

bool Dialog::Create(HWND parent) {
    modal_ = false;
    template_ = LoadProgramDialogTemplate(templateId_);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const auto self = reinterpret_cast<LPARAM>(this);
    if (template_) {
        return CreateDialogIndirectParamW(instance, template_->Get(), parent, Procedure, self) != nullptr;
    }
    return CreateDialogParamW(instance, MAKEINTRESOURCEW(templateId_), parent, Procedure, self) != nullptr;
}

// Before OnInit, while the dialog's children are still the template's controls in their order.
void Dialog::OnCreated() {
    dpi_ = WindowDpi(window_);
    font_.Reset(nullptr);
    controls_.reset();
    if (template_) {
        controls_ = FindTemplateControls(window_, template_->layout);
    }
    if (controls_) {
        LeaveDpiChangesToProgram(window_, *controls_);
    }
}

void Dialog::ApplyDpi(int dpi) {
    if (window_ == nullptr || dpi <= 0 || dpi == dpi_) {
        return;
    }
    dpi_ = dpi;
    if (template_ && controls_) {
        UniqueFont font = CreateDialogFont(template_->layout, dpi);
        const SIZE baseUnits = DialogBaseUnits(font.Get());
        LayOutControls(*controls_, font.Get(), baseUnits, dpi);
        font_ = std::move(font); // the controls no longer use the font it held
        ResizeClient(window_, TemplateClientSize(template_->layout, baseUnits));
    }
    OnDpiChanged(dpi);
    InvalidateRect(window_, nullptr, TRUE);
}

// A top-level dialog goes where the system suggests, at the size of its own layout: its text
// does not scale in proportion to the DPI, and so neither does its template's size.
void Dialog::OnDpiChangedMessage(int dpi, const RECT& suggested) {
    ApplyDpi(dpi);
    if (window_ != nullptr && !IsChildWindow(window_)) {
        SetWindowPos(window_, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Dialog::End(INT_PTR result) {
    if (modal_) {
        EndDialog(window_, result);
    } else {
        DestroyWindow(window_);
    }
}

bool Dialog::OnCommand(int id, int notifyCode, HWND) {
    if (notifyCode == BN_CLICKED && OnButtonClicked(id)) {
        return true;
    }
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
    } catch (const std::bad_alloc&) {
        // An exception must never unwind through Windows' own frames.
        ReportBrokenOffHandler(kHandlerFailedMessage);
        return FALSE;
    } catch (...) {
        ReportBrokenOffHandler(kHandlerErrorMessage);
        return FALSE;
    }
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        OnCreated();
        const RECT before = WindowRectangle(window_);
        const bool focusLeftToSystem = OnInit();
        if (window_ != nullptr && IsWindow(window_) && ShouldCentre(window_, before)) {
            CentreOverOwner(window_);
        }
        // The modeless dialogs (pages, the caption bar, the wait window) are made hidden while
        // the user works in another window: given the focus, the dialog manager would activate
        // the hidden window and take the keyboard from the one on the screen.
        return focusLeftToSystem && modal_ ? TRUE : FALSE;
    }
    case WM_COMMAND: return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
    case WM_NOTIFY:
        if (const auto result = OnNotify(*reinterpret_cast<const NMHDR*>(lParam))) {
            SetWindowLongPtrW(window_, DWLP_MSGRESULT, *result);
            return TRUE;
        }
        return FALSE;
    case WM_TIMER: return OnTimer(wParam) ? TRUE : FALSE;
    case WM_SHOWWINDOW: OnShowWindow(wParam != FALSE); return FALSE;
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(wParam))) {
            SetWindowLongPtrW(window_, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        return FALSE;
    case WM_HSCROLL:
    case WM_VSCROLL: return OnScroll(reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
    case WM_PAINT: return OnPaint() ? TRUE : FALSE;
    case WM_DRAWITEM: return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? TRUE : FALSE;
    case WM_DPICHANGED: OnDpiChangedMessage(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return TRUE;
    // A parent of ours has laid this dialog out already; this covers any other parent.
    case WM_DPICHANGED_AFTERPARENT: ApplyDpi(WindowDpi(window_)); return TRUE;
    case WM_GETFONT:
        if (font_) {
            SetWindowLongPtrW(window_, DWLP_MSGRESULT, reinterpret_cast<LONG_PTR>(font_.Get()));
            return TRUE;
        }
        return FALSE;
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
