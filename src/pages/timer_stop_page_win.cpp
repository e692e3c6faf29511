#include "pages/timer_stop_page_win.h"

namespace pelaconf {

TimerStopPage::TimerStopPage(SettingsRecord& record) : ModelPage(IDD_TIMER_STOP, record, TimerStopHelpText()) {}

void TimerStopPage::ShowModel() { SetCheckBox(Window(), IDC_TIMER_STOP_FULL_SCREEN, model_.stopInFullScreen); }

void TimerStopPage::ReadControls() { model_.stopInFullScreen = GetCheckBox(Window(), IDC_TIMER_STOP_FULL_SCREEN); }

bool TimerStopPage::OnCommand(int id, int notifyCode, HWND control) {
    if (id == IDC_TIMER_STOP_FULL_SCREEN && notifyCode == BN_CLICKED) {
        SetModified(true);
        return true;
    }
    return ModelPage::OnCommand(id, notifyCode, control);
}

} // namespace pelaconf
