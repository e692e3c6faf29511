#pragma once
// The settings window: the category tree, the caption bar, the pages and OK, Cancel and Apply.

#include "app/categories.h"
#include "ui/dialog.h"

#include <commctrl.h>

#include <array>

namespace pelaconf {

struct SettingsRecord;

class SettingsWindow : public Dialog {
public:
    explicit SettingsWindow(SettingsRecord& record);

    // Set before the window runs when Pelavine.ini could not be read.
    void SetFirstRun(bool firstRun) { firstRun_ = firstRun; }

protected:
    bool OnInit() override;
    void OnOk() override;
    void OnCancel() override;
    void OnDestroy() override;

private:
    void BuildCategoryTree();

    SettingsRecord& record_;
    std::array<HTREEITEM, kCategoryCount> treeItems_{};
    bool firstRun_ = false;
};

} // namespace pelaconf
