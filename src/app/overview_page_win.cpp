#include "app/overview_page_win.h"

#include "resource.h"
#include "ui/controls.h"
#include "win/handles.h"

#include <stdexcept>

namespace pelaconf {
namespace {

const OverviewPageContent& ContentOf(int templateId) {
    const OverviewPageContent* content = FindOverviewPage(templateId);
    if (content == nullptr) {
        throw std::invalid_argument("not an overview page");
    }
    return *content;
}

std::wstring WindowTextOf(HWND window) {
    std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
    text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
    return text;
}

} // namespace

OverviewPage::OverviewPage(int templateId, std::function<void(int)> selectCategory)
    : PageDialog(templateId), content_(ContentOf(templateId)), selectCategory_(std::move(selectCategory)) {}

bool OverviewPage::OnInit() {
    for (const auto& link : content_.links) {
        FitLinkToText(link.buttonId);
    }
    SetItemText(Window(), IDC_HELP_TEXT, content_.sentence);
    for (const auto& link : content_.links) {
        SetItemText(Window(), link.descriptionId, link.description);
    }
    return true;
}

// The link is as wide as its text, so that the link cursor shows only over the text.
void OverviewPage::FitLinkToText(int buttonId) {
    HWND button = Item(buttonId);
    const std::wstring text = WindowTextOf(button);
    HDC dc = GetDC(button);
    const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, oldFont);
    ReleaseDC(button, dc);
    SetWindowPos(button, nullptr, 0, 0, extent.cx + 2, extent.cy + 1, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

const OverviewLink* OverviewPage::FindLink(int buttonId) const {
    for (const auto& link : content_.links) {
        if (link.buttonId == buttonId) {
            return &link;
        }
    }
    return nullptr;
}

bool OverviewPage::OnCommand(int id, int notifyCode, HWND control) {
    const OverviewLink* link = FindLink(id);
    if (link != nullptr && notifyCode == BN_CLICKED) {
        selectCategory_(link->targetTemplateId);
        return true;
    }
    return PageDialog::OnCommand(id, notifyCode, control);
}

// Blue and underlined like a hyperlink, red while pressed.
bool OverviewPage::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (FindLink(static_cast<int>(item.CtlID)) == nullptr) {
        return false;
    }
    const COLORREF colour = (item.itemState & ODS_SELECTED) != 0 ? RGB(255, 0, 0) : RGB(0, 0, 255);
    UniquePen pen(CreatePen(PS_SOLID, 1, colour));
    const HGDIOBJ oldPen = SelectObject(item.hDC, pen.Get());
    SetTextColor(item.hDC, colour);
    SetBkMode(item.hDC, TRANSPARENT);
    RECT area = item.rcItem;
    const std::wstring text = WindowTextOf(item.hwndItem);
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &area, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    MoveToEx(item.hDC, item.rcItem.left, item.rcItem.bottom - 1, nullptr);
    LineTo(item.hDC, item.rcItem.right, item.rcItem.bottom - 1);
    SelectObject(item.hDC, oldPen);
    return true;
}

std::optional<INT_PTR> OverviewPage::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_SETCURSOR) {
        return std::nullopt;
    }
    HWND under = reinterpret_cast<HWND>(wParam);
    if (GetParent(under) != Window() || FindLink(GetDlgCtrlID(under)) == nullptr) {
        return std::nullopt;
    }
    SetCursor(LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_LINK_HAND)));
    SetWindowLongPtrW(Window(), DWLP_MSGRESULT, TRUE);
    return TRUE;
}

} // namespace pelaconf
