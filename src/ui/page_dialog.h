#pragma once
// The base of every page: a child dialog that a window with pages (the settings window, the
// wizard) creates hidden, places over its page area and shows one at a time.

#include "ui/dialog.h"

namespace pelaconf {

class PageDialog : public Dialog {
public:
    using Dialog::Dialog;

    // Creates the page hidden inside the parent, with its template id as its control id so
    // that the page can be found from outside. The page takes its place in the parent's tab
    // order right after `tabPredecessor` (HWND_TOP: before every other control), so that Tab
    // goes from that control through the page's controls to the parent's buttons.
    bool CreateChild(HWND parent, HWND tabPredecessor);
    // Moves the page onto the rectangle (in the parent's client coordinates) without painting.
    void Place(const RECT& area);

protected:
    // Enter and Esc belong to the window that hosts the page, never end the page itself.
    void OnOk() override {}
    void OnCancel() override {}
};

} // namespace pelaconf
