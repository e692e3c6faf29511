#pragma once
// The version page: the program's icon, version and rights line, and the home page as a link
// that opens it in the default browser. It holds no settings.

#include "platform/shell_opener_win.h"
#include "ui/page_dialog.h"

namespace pelaconf {

class MessageBoxes;

class VersionPage : public PageDialog {
public:
    explicit VersionPage(MessageBoxes& messages);

protected:
    bool OnInit() override;
    bool OnButtonClicked(int id) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    void OnDpiChanged(int dpi) override;
    bool OnSetCursor(HWND under) override;

private:
    MessageBoxes& messages_;
    Win32ShellOpener shell_;
};

} // namespace pelaconf
