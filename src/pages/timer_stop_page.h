#pragma once
// The timer-stop page's value: whether Pelavine holds back its timed changes while a program
// fills the whole screen.

#include <string_view>

namespace pelaconf {

struct SettingsRecord;

std::string_view TimerStopHelpText();

struct TimerStopModel {
    int stopInFullScreen = 0; // Timer_Stop_FullScreen

    void Load(const SettingsRecord& record);
    void Store(SettingsRecord& record) const;
};

} // namespace pelaconf
