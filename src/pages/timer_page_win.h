#pragma once
// The timer page: the timer type, the interval slider, and the two lists of times with the hour
// and minute fields that add to them.

#include "pages/model_page_win.h"
#include "pages/timer_page.h"

namespace pelaconf {

class MessageBoxes;

class TimerPage : public ModelPage<TimerModel> {
public:
    TimerPage(SettingsRecord& record, MessageBoxes& messages);

protected:
    bool OnInit() override;
    void ShowRules() override;
    bool OnButtonClicked(int id) override;
    std::optional<LRESULT> OnNotify(const NMHDR& header) override;
    void OnDpiChanged(int) override { FitTrackbarHeight(Window(), IDC_TIMER_INTERVAL); }

private:
    void ShowLayout();
    void ShowLists();
    // The list the current type shows (the hourly list for a type without a list).
    int VisibleListId() const;
    void ShowTimeFields();
    void ShowIntervalText();
    void AddEntry();
    void RemoveEntry();

    MessageBoxes& messages_;
};

} // namespace pelaconf
