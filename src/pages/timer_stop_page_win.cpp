#include "pages/timer_stop_page_win.h"

namespace pelaconf {

TimerStopPage::TimerStopPage(SettingsRecord& record)
    : ModelPage(IDD_TIMER_STOP, record, TimerStopHelpText(),
                {BindCheckBox(IDC_TIMER_STOP_FULL_SCREEN, &TimerStopModel::stopInFullScreen)}) {}

} // namespace pelaconf
