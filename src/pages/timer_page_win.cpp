#include "pages/timer_page_win.h"

#include "platform/message_boxes.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace pelaconf {
namespace {

std::vector<ListBoxEntry> ListEntries(const std::vector<int>& values, TimeListKind kind) {
    std::vector<ListBoxEntry> entries;
    for (const int value : values) {
        entries.push_back({TimeEntryText(kind, value), value});
    }
    return entries;
}

void ShowAddRefusal(MessageBoxes& messages, AddResult result) {
    switch (result) {
    case AddResult::HourRefused: messages.Show(kHourOutOfRangeMessage, MessageKind::Warning); break;
    case AddResult::MinuteRefused: messages.Show(kMinuteOutOfRangeMessage, MessageKind::Warning); break;
    case AddResult::ListFull: messages.Show(kTimeListFullMessage, MessageKind::Warning); break;
    case AddResult::AlreadyListed: messages.Show(kTimeAlreadyListedMessage, MessageKind::Warning); break;
    case AddResult::Fault: messages.Show(kTimerFaultMessage, MessageKind::Error); break;
    case AddResult::Added: break;
    }
}

void ShowRemoveFailure(MessageBoxes& messages, RemoveOutcome outcome) {
    switch (outcome) {
    case RemoveOutcome::NotListed: messages.Show(kTimeRemovalFailedMessage, MessageKind::Error); break;
    case RemoveOutcome::Fault: messages.Show(kTimerFaultMessage, MessageKind::Error); break;
    case RemoveOutcome::Removed:
    case RemoveOutcome::NothingSelected: break;
    }
}

} // namespace

// The interval slider's position counts as a change whenever it has moved since it was last read,
// also when it is read to validate or store the page.
TimerPage::TimerPage(SettingsRecord& record, MessageBoxes& messages)
    : ModelPage(IDD_TIMER, record, {},
                {
                    BindDropDown(IDC_TIMER_TYPE, &TimerModel::type).FollowedBy([this] {
                        ShowLayout();
                        return false;
                    }),
                    BindSlider(IDC_TIMER_INTERVAL, &TimerModel::sliderPosition)
                        .CountsWhenRead()
                        .MarksOnlyWhenValueChanges()
                        .FollowedBy([this] {
                            ShowIntervalText();
                            return false;
                        }),
                    BindNumberField(IDC_TIMER_HOUR, &TimerModel::hour, kNoTimeField).Untracked(),
                    BindNumberField(IDC_TIMER_MINUTE, &TimerModel::minute, kNoTimeField).Untracked(),
                }),
      messages_(messages) {}

bool TimerPage::OnInit() {
    FillDropDown(Window(), IDC_TIMER_TYPE, {"使用しない", "一定時間毎", "毎時指定時刻", "任意指定時刻"});
    SetUpTrackbar(Window(), IDC_TIMER_INTERVAL, kFirstSliderPosition, kLastSliderPosition, kSliderPageSize);
    SetUpDownRange(Window(), IDC_TIMER_HOUR_UPDOWN, 0, kLastHour);
    SetUpDownRange(Window(), IDC_TIMER_MINUTE_UPDOWN, 0, kLastMinute);
    return ModelPage::OnInit();
}

void TimerPage::ShowRules() {
    ShowLists();
    ShowIntervalText();
    ShowLayout();
}

void TimerPage::ShowLayout() {
    const TimerTypeLayout layout = LayoutForTimerType(model_.type);
    ShowItem(Window(), IDC_TIMER_INTERVAL, layout.interval);
    ShowItem(Window(), IDC_TIMER_INTERVAL_TEXT, layout.interval);
    ShowItem(Window(), IDC_TIMER_HOURLY_LIST, layout.hourlyList);
    ShowItem(Window(), IDC_TIMER_EVERY_HOUR, layout.hourlyList);
    ShowItem(Window(), IDC_TIMER_TIME_OF_DAY_LIST, layout.timeOfDayList);
    for (const int id : {IDC_TIMER_HOUR, IDC_TIMER_HOUR_UPDOWN, IDC_TIMER_HOUR_LABEL}) {
        ShowItem(Window(), id, layout.timeOfDayList);
    }
    for (const int id : {IDC_TIMER_ADD, IDC_TIMER_REMOVE, IDC_TIMER_ENTRY_FRAME, IDC_TIMER_MINUTE,
                         IDC_TIMER_MINUTE_UPDOWN, IDC_TIMER_MINUTE_LABEL}) {
        ShowItem(Window(), id, layout.timeEntry);
    }
    if (!layout.helpText.empty()) {
        SetItemText(Window(), IDC_HELP_TEXT, layout.helpText);
    }
}

void TimerPage::ShowLists() {
    FillListBox(Window(), IDC_TIMER_HOURLY_LIST, ListEntries(model_.hourlyMinutes, TimeListKind::Hourly));
    FillListBox(Window(), IDC_TIMER_TIME_OF_DAY_LIST, ListEntries(model_.timesOfDay, TimeListKind::TimeOfDay));
}

int TimerPage::VisibleListId() const {
    return model_.type == kTimerTimeOfDay ? IDC_TIMER_TIME_OF_DAY_LIST : IDC_TIMER_HOURLY_LIST;
}

void TimerPage::ShowTimeFields() {
    ShowBound(IDC_TIMER_HOUR);
    ShowBound(IDC_TIMER_MINUTE);
}

void TimerPage::ShowIntervalText() {
    SetItemText(Window(), IDC_TIMER_INTERVAL_TEXT, IntervalText(IntervalSecondsAt(model_.sliderPosition)));
}

bool TimerPage::OnButtonClicked(int id) {
    if (id == IDC_TIMER_ADD) {
        AddEntry();
        return true;
    }
    if (id == IDC_TIMER_REMOVE) {
        RemoveEntry();
        return true;
    }
    return false;
}

void TimerPage::AddEntry() {
    ReadControls();
    const AddResult result = model_.AddEntry();
    if (result == AddResult::Added) {
        ShowLists();
        SelectListBoxValue(Window(), VisibleListId(), model_.EnteredValue());
        ModelChangedByRule();
        return;
    }
    ShowAddRefusal(messages_, result);
    if (result == AddResult::HourRefused) {
        FocusAndSelectText(Window(), IDC_TIMER_HOUR);
    } else if (result == AddResult::MinuteRefused) {
        FocusAndSelectText(Window(), IDC_TIMER_MINUTE);
    }
}

void TimerPage::RemoveEntry() {
    ReadControls();
    const RemoveResult removal = model_.RemoveEntry(GetSelectedListBoxValue(Window(), VisibleListId()));
    if (removal.outcome != RemoveOutcome::Removed) {
        ShowRemoveFailure(messages_, removal.outcome);
        return;
    }
    const size_t place = removal.place;
    // The list box holds the model's list in the same order. Deleting the one entry keeps the
    // list where it was scrolled, and the entry that took its place (or the one before the last)
    // is ready for the next removal.
    const HWND list = Item(VisibleListId());
    SendMessageW(list, LB_DELETESTRING, place, 0);
    const auto count = static_cast<size_t>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    if (count > 0) {
        SendMessageW(list, LB_SETCURSEL, std::min(place, count - 1), 0);
    }
    ShowTimeFields();
    ModelChangedByRule();
}

std::optional<LRESULT> TimerPage::OnNotify(const NMHDR& header) {
    if (header.idFrom != IDC_TIMER_MINUTE_UPDOWN || header.code != UDN_DELTAPOS) {
        return std::nullopt;
    }
    const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
    ReadControls();
    if (!model_.CarryMinute(change.iPos, change.iDelta)) {
        return FALSE;
    }
    ShowTimeFields();
    return TRUE; // the carry has set both fields; the up-down's own step is refused
}

} // namespace pelaconf
