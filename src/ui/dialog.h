#pragma once
// The dialog layer: one dialog procedure for the whole program. A Dialog keeps `this` in its
// window's user data and turns window messages into calls of the virtual handlers below. A
// top-level dialog that does not move itself in OnInit is centred over its owner, or over the
// screen when it has none.

#include "ui/dialog_layout.h"
#include "ui/dialog_template.h"
#include "win/handles.h"

#include <windows.h>

#include <optional>
#include <vector>

namespace pelaconf {

// Shown when a handler of a dialog is broken off for want of memory.
inline constexpr char kHandlerFailedMessage[] = "メモリが不足しているため、操作を完了できませんでした。";
// Shown when a handler of a dialog is broken off by any other exception.
inline constexpr char kHandlerErrorMessage[] = "予期しないエラーが発生したため、操作を完了できませんでした。";

// Centres a top-level window over its owner, or over the work area of its screen when it has
// none (or the owner is hidden or minimised), keeping it inside that work area.
void CentreOverOwner(HWND window);

class Dialog {
public:
    explicit Dialog(int templateId) : templateId_(templateId) {}
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog modally and returns the result passed to End (-1 when it cannot be created).
    INT_PTR RunModal(HWND parent);
    // Creates the dialog as a modeless (child or pop-up) window; false when it cannot be created.
    bool Create(HWND parent);
    // Ends a modal dialog with the result; destroys a modeless one.
    void End(INT_PTR result);

    HWND Window() const { return window_; }
    // The DPI the dialog is laid out at: the window's when it was made, then that of the last
    // change. A change names its DPI, which is taken as it is: the system's answer for the window
    // may lag behind (under Wine it never changes).
    int Dpi() const { return dpi_; }
    // Lays the dialog out at the DPI as if it had been made there: its font, every control of its
    // template and its size, then OnDpiChanged for what it sizes in pixels. Nothing at its own DPI.
    void ApplyDpi(int dpi);
    int TemplateId() const { return templateId_; }
    HWND Item(int id) const { return GetDlgItem(window_, id); }

protected:
    // True asks the dialog manager to put the focus on the first control of a modal dialog; a
    // modeless dialog never takes the focus when it is made.
    virtual bool OnInit() { return true; }
    // Return true when the command was handled. Unless overridden, a click on a button goes to
    // OnButtonClicked, then OK and Cancel to OnOk and OnCancel.
    virtual bool OnCommand(int id, int notifyCode, HWND control);
    // A button (or a check box or radio button) was clicked; true when handled.
    virtual bool OnButtonClicked(int) { return false; }
    // The dialog is about to be shown (true) or hidden (false).
    virtual void OnShowWindow(bool) {}
    // The mouse is over the control (or the dialog itself); true when the handler set the cursor.
    virtual bool OnSetCursor(HWND) { return false; }
    // A scroll bar or a track bar sent a horizontal or vertical scroll; true when handled.
    virtual bool OnScroll(HWND) { return false; }
    // A result for WM_NOTIFY, stored as the dialog's message result; empty when not handled.
    virtual std::optional<LRESULT> OnNotify(const NMHDR&) { return std::nullopt; }
    virtual bool OnTimer(UINT_PTR) { return false; }
    virtual bool OnPaint() { return false; }
    virtual bool OnDrawItem(const DRAWITEMSTRUCT&) { return false; }
    virtual void OnDestroy() {}
    // The dialog has been laid out at a new DPI (it moved to a screen of another scale, or its
    // parent did); each dialog rebuilds what it sized in pixels and lays out the dialogs it holds.
    virtual void OnDpiChanged(int) {}
    // OK (Enter) and Cancel (Esc, the close box) end the dialog unless overridden.
    virtual void OnOk() { End(IDOK); }
    virtual void OnCancel() { End(IDCANCEL); }
    // Any other message; empty when not handled.
    virtual std::optional<INT_PTR> OnMessage(UINT, WPARAM, LPARAM) { return std::nullopt; }

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCreated();
    void OnDpiChangedMessage(int dpi, const RECT& suggested);

    int templateId_;
    HWND window_ = nullptr;
    bool modal_ = false;
    int dpi_ = 0;
    // The template as made (with an installed face) and its controls; empty when the system made
    // the dialog from the resource as it is, which is then never laid out again.
    std::optional<ProgramDialogTemplate> template_;
    std::optional<std::vector<TemplateControlWindow>> controls_;
    // The dialog font after a change of DPI; the one the system made stays with the system.
    UniqueFont font_;
};

} // namespace pelaconf
