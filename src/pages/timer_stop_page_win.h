#pragma once
// The timer-stop page: one box that suspends the automatic change during full-screen programs.

#include "pages/model_page_win.h"
#include "pages/timer_stop_page.h"

namespace pelaconf {

class TimerStopPage : public ModelPage<TimerStopModel> {
public:
    explicit TimerStopPage(SettingsRecord& record);
};

} // namespace pelaconf
