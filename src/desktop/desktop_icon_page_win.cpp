#include "desktop/desktop_icon_page_win.h"

namespace pelaconf {

// The model decides which clicks count as changes.
DesktopIconPage::DesktopIconPage(SettingsRecord& record)
    : ModelPage(IDD_DESKTOP_ICON, record, DesktopIconHelpText(),
                {
                    BindCheckBox(IDC_ICON_TRANSPARENT_AFTER_CHANGE, &DesktopIconModel::afterChange).DecidedBy([this] {
                        ReadControls();
                        const bool counts = model_.ClickAfterChange();
                        ShowAlways();
                        return counts;
                    }),
                    BindCheckBox(IDC_ICON_TRANSPARENT_ALWAYS, &DesktopIconModel::always).DecidedBy([this] {
                        ReadControls();
                        return model_.ClickAlways();
                    }),
                }) {}

void DesktopIconPage::ShowAlways() {
    ShowBound(IDC_ICON_TRANSPARENT_ALWAYS);
    EnableItem(Window(), IDC_ICON_TRANSPARENT_ALWAYS, model_.AlwaysEnabled());
}

// Showing the page applies the enabling rule; whether that counts as a change is the model's.
bool DesktopIconPage::FollowRulesWhenShown() {
    ReadControls();
    const bool counts = model_.Show();
    ShowAlways();
    return counts;
}

} // namespace pelaconf
