#include "pages/version_page_win.h"

#include "pages/version_page.h"
#include "platform/message_boxes.h"
#include "resource.h"
#include "ui/controls.h"
#include "ui/link_button.h"

namespace pelaconf {

VersionPage::VersionPage(MessageBoxes& messages) : PageDialog(IDD_VERSION), messages_(messages) {}

bool VersionPage::OnInit() {
    SetItemText(Window(), IDC_HOME_PAGE_LINK, kHomePageAddress);
    FitLinkButtonToText(Item(IDC_HOME_PAGE_LINK), Dpi());
    SetItemText(Window(), IDC_HELP_TEXT, VersionHelpText());
    return true;
}

void VersionPage::OnDpiChanged(int dpi) { FitLinkButtonToText(Item(IDC_HOME_PAGE_LINK), dpi); }

bool VersionPage::OnButtonClicked(int id) {
    if (id == IDC_HOME_PAGE_LINK) {
        if (OpenHomePage(shell_) == HomePageOpening::BrowserFailed) {
            messages_.Show(kBrowserStartFailedMessage, MessageKind::Error);
        }
        return true;
    }
    return false;
}

bool VersionPage::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlID != IDC_HOME_PAGE_LINK) {
        return false;
    }
    DrawLinkButton(item, Dpi());
    return true;
}

bool VersionPage::OnSetCursor(HWND under) {
    return under == Item(IDC_HOME_PAGE_LINK) && ShowLinkCursor(Window()) != FALSE;
}

} // namespace pelaconf
