#include "pages/other_settings_page_win.h"

namespace pelaconf {
namespace {

constexpr int kTickFrequency = 5;
constexpr int kPageSize = 5;

} // namespace

OtherSettingsPage::OtherSettingsPage(SettingsRecord& record, bool layeredWindowsAvailable)
    : ModelPage(IDD_OTHER, record, OtherSettingsHelpText(),
                {
                    BindCheckBox(IDC_OTHER_FADE, &OtherSettingsModel::fade),
                    BindCheckBox(IDC_OTHER_WAIT_WINDOW, &OtherSettingsModel::waitWindow).FollowedBy([this] {
                        FollowWaitWindow();
                        return false;
                    }),
                    BindNumber<OtherSettingsModel>(
                        ControlKind::Slider, IDC_OTHER_TRANSPARENCY,
                        [](const OtherSettingsModel& model) { return model.transparency; },
                        [](OtherSettingsModel& model, int position) { model.SetTransparency(position); })
                        .FollowedBy([this] {
                            ShowTransparencyText();
                            return false;
                        }),
                }) {
    model_.layeredWindows = layeredWindowsAvailable;
}

bool OtherSettingsPage::OnInit() {
    SetUpTrackbar(Window(), IDC_OTHER_TRANSPARENCY, 0, kMaxTransparency, kPageSize);
    SetTrackbarTicks(Window(), IDC_OTHER_TRANSPARENCY, kTickFrequency);
    return ModelPage::OnInit();
}

void OtherSettingsPage::ShowRules() {
    EnableItem(Window(), IDC_OTHER_FADE, model_.FadeEnabled());
    if (!model_.layeredWindows) {
        EnableItem(Window(), IDC_OTHER_TRANSPARENCY, false);
        EnableItem(Window(), IDC_OTHER_TRANSPARENCY_TEXT, false);
    }
    ShowTransparencyText();
}

void OtherSettingsPage::ShowTransparencyText() {
    SetItemText(Window(), IDC_OTHER_TRANSPARENCY_TEXT, TransparencyText(model_.transparency));
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
    ShowBound(IDC_OTHER_TRANSPARENCY);
    ShowTransparencyText();
}

bool OtherSettingsPage::FollowRulesWhenShown() {
    FollowWaitWindow();
    return false;
}

} // namespace pelaconf
