#include "ui/dialog_layout.h"

#include "ui/dpi.h"
#include "win/module_function.h"

#include <commctrl.h>

#include <string>

namespace pelaconf {
namespace {

// The flags of SetDialogDpiChangeBehavior and SetDialogControlDpiChangeBehavior, which the headers
// declare only for Windows 10 programs.
constexpr int kDialogKeepsItsLayout =
    0x1 | 0x2 | 0x4;                              // DDC_DISABLE_ALL | DDC_DISABLE_RESIZE | DDC_DISABLE_CONTROL_RELAYOUT
constexpr int kControlKeepsItsLayout = 0x1 | 0x2; // DCDC_DISABLE_FONTUPDATE | DCDC_DISABLE_RELAYOUT

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

constexpr int kLargeIconSize = 32; // at 96 DPI

LONG_PTR StaticType(HWND control) {
    if (ClassOf(control) != L"Static") {
        return -1;
    }
    return GetWindowLongPtrW(control, GWL_STYLE) & SS_TYPEMASK;
}

// A static that shows an image takes the image's size unless it is told to keep its own.
bool SizesItselfToImage(HWND control) {
    const LONG_PTR type = StaticType(control);
    const bool showsImage = type == SS_ICON || type == SS_BITMAP || type == SS_ENHMETAFILE;
    return showsImage && (GetWindowLongPtrW(control, GWL_STYLE) & (SS_CENTERIMAGE | SS_REALSIZECONTROL)) == 0;
}

RECT PixelRectangle(const DialogUnitRectangle& place, SIZE baseUnits) {
    const LONG left = MulDiv(place.x, baseUnits.cx, 4);
    const LONG top = MulDiv(place.y, baseUnits.cy, 8);
    return {left, top, left + MulDiv(place.width, baseUnits.cx, 4), top + MulDiv(place.height, baseUnits.cy, 8)};
}

// An etched line is made as thin as its edge, and the edge added along its length, as it does
// itself when it is made.
SIZE SizeOfControl(HWND control, SIZE templateSize) {
    const LONG_PTR type = StaticType(control);
    if (type != SS_ETCHEDHORZ && type != SS_ETCHEDVERT) {
        return templateSize;
    }
    RECT outer{};
    RECT inner{};
    GetWindowRect(control, &outer);
    GetClientRect(control, &inner);
    const SIZE edge{(outer.right - outer.left) - inner.right, (outer.bottom - outer.top) - inner.bottom};
    if (type == SS_ETCHEDHORZ) {
        return {templateSize.cx + edge.cx, edge.cy};
    }
    return {edge.cx, templateSize.cy + edge.cy};
}

// An icon static shows its icon resource at the size of the DPI, and takes that size.
void ShowIconAtDpi(const TemplateControlWindow& entry, int dpi) {
    if (StaticType(entry.window) == SS_ICON && entry.control.titleNumber != 0) {
        const HICON icon = IconForDpi(entry.control.titleNumber, kLargeIconSize, dpi);
        SendMessageW(entry.window, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    }
}

// An up-down control aligned to its buddy places itself and narrows the buddy when it takes it,
// as it did when it was made.
void AlignUpDownsToBuddies(const std::vector<TemplateControlWindow>& controls) {
    for (const TemplateControlWindow& entry : controls) {
        const LONG_PTR style = GetWindowLongPtrW(entry.window, GWL_STYLE);
        if ((style & (UDS_ALIGNLEFT | UDS_ALIGNRIGHT)) == 0 || ClassOf(entry.window) != UPDOWN_CLASSW) {
            continue;
        }
        if (const auto buddy = reinterpret_cast<HWND>(SendMessageW(entry.window, UDM_GETBUDDY, 0, 0))) {
            SendMessageW(entry.window, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
        }
    }
}

} // namespace

std::optional<std::vector<TemplateControlWindow>> FindTemplateControls(HWND dialog,
                                                                       const DialogTemplateLayout& layout) {
    std::vector<TemplateControlWindow> found;
    HWND child = GetWindow(dialog, GW_CHILD);
    for (const DialogTemplateControl& control : layout.controls) {
        if (child == nullptr || static_cast<uint32_t>(GetDlgCtrlID(child)) != control.id) {
            return std::nullopt;
        }
        found.push_back({child, control});
        child = GetWindow(child, GW_HWNDNEXT);
    }
    if (child != nullptr) {
        return std::nullopt;
    }
    return found;
}

void LeaveDpiChangesToProgram(HWND dialog, const std::vector<TemplateControlWindow>& controls) {
    using DialogBehaviour = BOOL(WINAPI*)(HWND, int, int);
    static const auto setDialogBehaviour = SystemFunction<DialogBehaviour>(L"user32.dll", "SetDialogDpiChangeBehavior");
    static const auto setControlBehaviour =
        SystemFunction<DialogBehaviour>(L"user32.dll", "SetDialogControlDpiChangeBehavior");
    if (setDialogBehaviour != nullptr) {
        setDialogBehaviour(dialog, kDialogKeepsItsLayout, kDialogKeepsItsLayout);
    }
    if (setControlBehaviour != nullptr) {
        for (const TemplateControlWindow& entry : controls) {
            setControlBehaviour(entry.window, kControlKeepsItsLayout, kControlKeepsItsLayout);
        }
    }
}

void LayOutControls(const std::vector<TemplateControlWindow>& controls, HFONT font, SIZE baseUnits, int dpi) {
    for (const TemplateControlWindow& entry : controls) {
        SendMessageW(entry.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        ShowIconAtDpi(entry, dpi);
        const RECT area = PixelRectangle(entry.control.place, baseUnits);
        const SIZE size = SizeOfControl(entry.window, {area.right - area.left, area.bottom - area.top});
        const UINT keepSize = SizesItselfToImage(entry.window) ? SWP_NOSIZE : 0;
        SetWindowPos(entry.window, nullptr, area.left, area.top, size.cx, size.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE | keepSize);
    }
    AlignUpDownsToBuddies(controls);
}

SIZE TemplateClientSize(const DialogTemplateLayout& layout, SIZE baseUnits) {
    const RECT area = PixelRectangle(layout.place, baseUnits);
    return {area.right - area.left, area.bottom - area.top};
}

} // namespace pelaconf
