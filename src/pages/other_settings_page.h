#pragma once
// The other-settings page's values: the settings window's fade, and Pelavine's wait window with
// its transparency. The slider shows transparency in percent; WaitDlg_Trans holds the wait
// window's opacity (1 to 255), or 0 for no wait window. Without layered windows neither fading
// nor transparency is possible.

#include <string>
#include <string_view>

namespace pelaconf {

struct SettingsRecord;

inline constexpr int kMaxTransparency = 99;

std::string_view OtherSettingsHelpText();
// The slider's position as its label shows it, one- and two-digit values lined up.
std::string TransparencyText(int transparency);
// The slider position for a stored opacity, and the opacity a position stores.
int TransparencyFromOpacity(int opacity);
int OpacityFromTransparency(int transparency);

struct OtherSettingsModel {
    bool layeredWindows = false;
    int fade = 0;
    int waitWindow = 0;
    int transparency = 0; // percent, 0 to kMaxTransparency

    void Load(const SettingsRecord& record);
    void Store(SettingsRecord& record) const;

    bool FadeEnabled() const { return layeredWindows; }
    bool TransparencyEnabled() const { return layeredWindows && waitWindow != 0; }
    // Keeps the position within the slider's range.
    void SetTransparency(int position);
    // Transparency only applies to a wait window shown translucent; otherwise it returns to 0.
    void ApplyEnablingRule();
};

} // namespace pelaconf
