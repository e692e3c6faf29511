#pragma once
// The small window that says the wallpaper is being changed: a tool window created hidden, shown
// centred over its owner while the work runs. Enter and Esc do nothing in it.

#include "ui/dialog.h"

namespace pelaconf {

class WaitWindow : public Dialog {
public:
    WaitWindow();

    // Creates the window hidden, owned by the owner.
    bool CreateHidden(HWND owner);
    // Centres the window over its owner, shows it and paints it at once.
    void Show();
    void Hide();

protected:
    void OnOk() override {}
    void OnCancel() override {}
};

} // namespace pelaconf
