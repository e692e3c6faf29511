#pragma once
// A page whose settings are not built yet: an empty page from its template, always valid,
// never modified, storing nothing.

#include "ui/page_dialog.h"

namespace pelaconf {

class BlankPage : public PageDialog {
public:
    using PageDialog::PageDialog;
};

} // namespace pelaconf
