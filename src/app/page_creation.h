#pragma once
// When the settings window makes its pages. The window shows itself as soon as the page it shows
// first is made and makes the others afterwards, one per turn of its message loop. Whatever needs
// the pages (a change of category, validation, OK, Apply, Cancel's question, the wizard) first
// makes every page still missing, and the browser's reading of a neighbour makes that page, so
// that no behaviour depends on when a page was made.

#include <functional>
#include <vector>

namespace pelaconf {

class PageCreation {
public:
    // make: makes the page with the index; called at most once per page, unless it throws.
    PageCreation(int pageCount, std::function<void(int pageIndex)> make);

    bool IsMade(int pageIndex) const;
    bool AllMade() const;
    // Makes the page unless it is made already; an index without a page does nothing.
    void Make(int pageIndex);
    // Makes the first page still missing in page-index order; false when none was missing.
    bool MakeNext();
    // Makes every page still missing, in page-index order.
    void MakeAll();

private:
    std::vector<bool> made_;
    std::function<void(int pageIndex)> make_;
};

} // namespace pelaconf
