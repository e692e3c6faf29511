#pragma once
// The bar above the page area that names the shown category in a rounded frame.

#include "ui/dialog.h"
#include "win/handles.h"

namespace pelaconf {

class CaptionBar : public Dialog {
public:
    CaptionBar();

    // Shows the label of the page index; an index above the last page is refused.
    void SetIndex(int pageIndex);

protected:
    bool OnInit() override;
    bool OnPaint() override;

private:
    int index_ = -1;
    UniqueFont font_;
    UniquePen pen_;
};

} // namespace pelaconf
