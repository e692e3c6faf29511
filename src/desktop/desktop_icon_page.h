#pragma once
// The desktop icon page's values: whether the icon labels' background is made transparent after
// a wallpaper change, and whether Pelavine also keeps it transparent while resident. Both share
// Icon_Trance: 0 neither, 1 after a change, 2 both.

#include <string_view>

namespace pelaconf {

struct SettingsRecord;

std::string_view DesktopIconHelpText();

struct DesktopIconModel {
    int afterChange = 0;
    int always = 0;

    void Load(const SettingsRecord& record);
    void Store(SettingsRecord& record) const;

    // Keeping the labels transparent only makes sense on top of making them transparent.
    bool AlwaysEnabled() const { return afterChange != 0; }
    // Clears the always box unless the after-change box is on.
    void ApplyEnablingRule();

    // The page's events, on values just read from the controls. Each returns true when it
    // marks the page modified.
    bool ClickAfterChange();
    bool ClickAlways();
    bool Show();
};

} // namespace pelaconf
