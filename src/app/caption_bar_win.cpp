#include "app/caption_bar_win.h"

#include "pages/page_table_win.h"
#include "resource.h"
#include "ui/dialog_fonts.h"
#include "ui/dpi.h"
#include "win/gdi_scopes.h"
#include "win/wide_text.h"

namespace pelaconf {
namespace {

constexpr wchar_t kLabelFace[] = L"ＭＳ ゴシック";
// Sizes at 96 DPI.
constexpr int kBarHeight = 20;
constexpr int kCornerSize = 5;
constexpr int kFontHeight = 16;

} // namespace

std::string_view CaptionLabel(int pageIndex) {
    const auto pages = PageTable();
    if (pageIndex < 0 || pageIndex >= static_cast<int>(pages.size())) {
        return "エラー";
    }
    return pages[pageIndex].label;
}

CaptionBar::CaptionBar() : Dialog(IDD_CAPTION_BAR) {}

bool CaptionBar::OnInit() {
    OnDpiChanged(Dpi());
    SetWindowLongPtrW(Window(), GWLP_ID, IDD_CAPTION_BAR);
    return true;
}

void CaptionBar::OnDpiChanged(int dpi) {
    static const std::wstring face = InstalledFaceFor(kLabelFace);
    font_.Reset(CreateFontW(ScaleToDpi(kFontHeight, dpi), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face.c_str()));
    pen_.Reset(CreatePen(PS_SOLID, ScaleToDpi(1, dpi), RGB(100, 100, 100)));
    InvalidateRect(Window(), nullptr, TRUE);
}

void CaptionBar::SetIndex(int pageIndex) {
    if (pageIndex < static_cast<int>(PageTable().size())) {
        index_ = pageIndex;
    }
    // The label is also the bar's window text, so that it can be read from outside.
    SetWindowTextW(Window(), Utf8ToWide(CaptionLabel(index_)).c_str());
    InvalidateRect(Window(), nullptr, TRUE);
    UpdateWindow(Window());
}

bool CaptionBar::OnPaint() {
    const PaintScope paint(Window());
    HDC dc = paint.Dc();
    RECT bar;
    GetClientRect(Window(), &bar);
    bar.bottom = bar.top + ScaleToDpi(kBarHeight, Dpi());
    const SelectedObject pen(dc, pen_.Get());
    const SelectedObject brush(dc, GetStockObject(NULL_BRUSH));
    const int corner = ScaleToDpi(kCornerSize, Dpi());
    RoundRect(dc, bar.left, bar.top, bar.right, bar.bottom, corner, corner);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    const SelectedObject font(dc, font_.Get());
    const std::wstring label = Utf8ToWide(CaptionLabel(index_));
    DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &bar, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    return true;
}

} // namespace pelaconf
