#include "pages/other_settings_page_win.h"

namespace pelaconf {
namespace {

constexpr int kTickFrequency = 5;
constexpr int kPageSize = 5;

} // namespace

OtherSettingsPage::OtherSettingsPage(SettingsRecord& record, bool layeredWindowsAvailable)
    : ModelPage(IDD_OTHER, record, OtherSettingsHelpText()) {
    model_.layeredWindows = layeredWindowsAvailable;
}

bool OtherSettingsPage::OnInit() {
    SetUpTrackbar(Window(), IDC_OTHER_TRANSPARENCY, 0, kMaxTransparency, kPageSize);
    SetTrackbarTicks(Window(), IDC_OTHER_TRANSPARENCY, kTickFrequency);
    return ModelPage::OnInit();
}

void OtherSettingsPage::ShowModel() {
    SetCheckBox(Window(), IDC_OTHER_FADE, model_.fade);
    EnableItem(Window(), IDC_OTHER_FADE, model_.FadeEnabled());
    SetCheckBox(Window(), IDC_OTHER_WAIT_WINDOW, model_.waitWindow);
    if (!model_.layeredWindows) {
        EnableItem(Window(), IDC_OTHER_TRANSPARENCY, false);
        EnableItem(Window(), IDC_OTHER_TRANSPARENCY_TEXT, false);
    }
    ShowTransparency();
}

void OtherSettingsPage::ShowTransparency() {
    SetTrackbarPosition(Window(), IDC_OTHER_TRANSPARENCY, model_.transparency);
    ShowTransparencyText();
}

void OtherSettingsPage::ShowTransparencyText() {
    SetItemText(Window(), IDC_OTHER_TRANSPARENCY_TEXT, TransparencyText(model_.transparency));
}

void OtherSettingsPage::ReadControls() {
    model_.fade = GetCheckBox(Window(), IDC_OTHER_FADE);
    model_.waitWindow = GetCheckBox(Window(), IDC_OTHER_WAIT_WINDOW);
    model_.SetTransparency(GetTrackbarPosition(Window(), IDC_OTHER_TRANSPARENCY));
}

// Without layered windows the slider stays disabled at 0 whatever the box says.
void OtherSettingsPage::FollowWaitWindow() {
    if (!model_.layeredWindows) {
        return;
    }
    ReadControls();
    model_.ApplyEnablingRule();
    EnableItem(Window(), IDC_OTHER_TRANSPARENCY, model_.TransparencyEnabled());
    EnableItem(Window(), IDC_OTHER_TRANSPARENCY_TEXT, model_.TransparencyEnabled());
    ShowTransparency();
}

bool OtherSettingsPage::OnButtonClicked(int id) {
    if (id != IDC_OTHER_FADE && id != IDC_OTHER_WAIT_WINDOW) {
        return false;
    }
    if (id == IDC_OTHER_WAIT_WINDOW) {
        FollowWaitWindow();
    }
    SetModified(true);
    return true;
}

void OtherSettingsPage::OnShowWindow(bool shown) {
    if (shown) {
        FollowWaitWindow();
    }
}

bool OtherSettingsPage::OnScroll(HWND control) {
    if (control != Item(IDC_OTHER_TRANSPARENCY)) {
        return false;
    }
    model_.SetTransparency(GetTrackbarPosition(Window(), IDC_OTHER_TRANSPARENCY));
    ShowTransparencyText();
    SetModified(true);
    return true;
}

} // namespace pelaconf
