#include "pages/overview_page_win.h"

#include "resource.h"
#include "ui/controls.h"
#include "ui/link_button.h"

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

} // namespace

OverviewPage::OverviewPage(int templateId, std::function<void(int)> selectCategory)
    : PageDialog(templateId), content_(ContentOf(templateId)), selectCategory_(std::move(selectCategory)) {}

bool OverviewPage::OnInit() {
    FitLinks();
    SetItemText(Window(), IDC_HELP_TEXT, content_.sentence);
    for (const auto& link : content_.links) {
        SetItemText(Window(), link.descriptionId, link.description);
    }
    return true;
}

void OverviewPage::FitLinks() {
    for (const auto& link : content_.links) {
        FitLinkButtonToText(Item(link.buttonId), Dpi());
    }
}

void OverviewPage::OnDpiChanged(int) { FitLinks(); }

const OverviewLink* OverviewPage::FindLink(int buttonId) const {
    for (const auto& link : content_.links) {
        if (link.buttonId == buttonId) {
            return &link;
        }
    }
    return nullptr;
}

bool OverviewPage::OnButtonClicked(int id) {
    const OverviewLink* link = FindLink(id);
    if (link != nullptr) {
        selectCategory_(link->targetTemplateId);
        return true;
    }
    return false;
}

bool OverviewPage::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (FindLink(static_cast<int>(item.CtlID)) == nullptr) {
        return false;
    }
    DrawLinkButton(item, Dpi());
    return true;
}

bool OverviewPage::OnSetCursor(HWND under) {
    if (GetParent(under) != Window() || FindLink(GetDlgCtrlID(under)) == nullptr) {
        return false;
    }
    return ShowLinkCursor(Window()) != FALSE;
}

} // namespace pelaconf
