#pragma once
// The bar above the page area that names the shown category in a rounded frame.

#include "ui/dialog.h"
#include "win/handles.h"

#include <string_view>

namespace pelaconf {

// The caption of a page index: its category's label, or "エラー" for an index without a page.
std::string_view CaptionLabel(int pageIndex);

class CaptionBar : public Dialog {
public:
    CaptionBar();

    // Shows the label of the page index; an index above the last page is refused.
    void SetIndex(int pageIndex);

protected:
    bool OnInit() override;
    bool OnPaint() override;
    void OnDpiChanged(int dpi) override;

private:
    int index_ = -1;
    UniqueFont font_;
    UniquePen pen_;
};

} // namespace pelaconf
