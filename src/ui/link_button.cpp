#include "ui/link_button.h"

#include "resource.h"
#include "ui/controls.h"
#include "ui/dpi.h"
#include "win/gdi_scopes.h"
#include "win/handles.h"

#include <string>

namespace pelaconf {
namespace {

// The background the dialog gives its buttons, so that the text is drawn on a clean ground each
// time: transparent text drawn over itself would grow bold and fringed.
HBRUSH ButtonBackground(const DRAWITEMSTRUCT& item) {
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(item.hwndItem), WM_CTLCOLORBTN,
                                                             reinterpret_cast<WPARAM>(item.hDC),
                                                             reinterpret_cast<LPARAM>(item.hwndItem)));
    return brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE);
}

} // namespace

void FitLinkButtonToText(HWND button, int dpi) {
    const std::wstring text = WindowText(button);
    SIZE extent{};
    {
        const WindowDc dc(button);
        const SelectedObject font(dc.Get(), reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)));
        GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    }
    // Room for the focus cue beside the text and the underline below it.
    SetWindowPos(button, nullptr, 0, 0, extent.cx + ScaleToDpi(2, dpi), extent.cy + ScaleToDpi(1, dpi),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DrawLinkButton(const DRAWITEMSTRUCT& item, int dpi) {
    FillRect(item.hDC, &item.rcItem, ButtonBackground(item));
    // The focus cue, unless the system hides it until the keyboard is used.
    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        DrawFocusRect(item.hDC, &item.rcItem);
    }
    const COLORREF colour = (item.itemState & ODS_SELECTED) != 0 ? RGB(255, 0, 0) : RGB(0, 0, 255);
    const int lineWidth = ScaleToDpi(1, dpi);
    UniquePen pen(CreatePen(PS_SOLID, lineWidth, colour));
    const SelectedObject selectedPen(item.hDC, pen.Get());
    SetTextColor(item.hDC, colour);
    SetBkMode(item.hDC, TRANSPARENT);
    RECT area = item.rcItem;
    const std::wstring text = WindowText(item.hwndItem);
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &area, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    const int underline = item.rcItem.bottom - (lineWidth + 1) / 2;
    MoveToEx(item.hDC, item.rcItem.left, underline, nullptr);
    LineTo(item.hDC, item.rcItem.right, underline);
}

INT_PTR ShowLinkCursor(HWND dialog) {
    SetCursor(LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_LINK_HAND)));
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
    return TRUE;
}

} // namespace pelaconf
