#include "pages/timer_stop_page_win.h"

namespace pelaconf {

TimerStopPage::TimerStopPage(SettingsRecord& record) : ModelPage(IDD_TIMER_STOP, record, TimerStopHelpText()) {}

void TimerStopPage::ShowModel() { SetCheckBox(Window(), IDC_TIMER_STOP_FULL_SCREEN, model_.stopInFullScreen); }

void TimerStopPage::ReadControls() { model_.stopInFullScreen = GetCheckBox(Window(), IDC_TIMER_STOP_FULL_SCREEN); }

bool TimerStopPage::OnButtonClicked(int id) {
    if (id == IDC_TIMER_STOP_FULL_SCREEN) {
        SetModified(true);
        return true;
    }
    return false;
}

} // namespace pelaconf
