#pragma once
// An overview page: the group's sentence and one hyperlink-like button per sub-category that
// selects that category in the settings window.

#include "pages/overview_pages.h"
#include "ui/page_dialog.h"

#include <functional>

namespace pelaconf {

class OverviewPage : public PageDialog {
public:
    // selectCategory: the settings window's selection of a category, by its page's template.
    OverviewPage(int templateId, std::function<void(int)> selectCategory);

protected:
    bool OnInit() override;
    bool OnButtonClicked(int id) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    void OnDpiChanged(int dpi) override;
    bool OnSetCursor(HWND under) override;

private:
    // Sizes each link to its text at the page's DPI.
    void FitLinks();
    const OverviewLink* FindLink(int buttonId) const;

    const OverviewPageContent& content_;
    std::function<void(int)> selectCategory_;
};

} // namespace pelaconf
