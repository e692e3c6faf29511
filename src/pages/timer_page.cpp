#include "pages/timer_page.h"

#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "settings/string_helpers.h"

#include <algorithm>
#include <cstdio>

namespace pelaconf {
namespace {

constexpr int kShortestInterval = 10;
constexpr int kLongestInterval = 86400;
constexpr int kMinutesPerDay = 24 * 60;

// The text printf makes of a format that takes one or two ints.
std::string FormatNumbers(const char* format, int first, int second = 0) {
    char text[64] = {};
    std::snprintf(text, sizeof text, format, first, second);
    return text;
}

int LastValueOf(TimeListKind kind) { return kind == TimeListKind::Hourly ? kLastMinute : kMinutesPerDay - 1; }

// A token counts as C's atoi reads it, except that a number too large saturates; a 0 counts only
// when the token is exactly "0", so an empty token or text that is no number is dropped.
bool ReadListToken(std::string_view token, TimeListKind kind, int& value) {
    value = LeadingNumber(TrimWhiteSpace(token));
    if (value == 0 && token != "0") {
        return false;
    }
    return value >= 0 && value <= LastValueOf(kind);
}

// Both lists read in chronological order because their numbers are zero-padded, so the order of
// the values is the order of their texts.
void InsertSorted(std::vector<int>& values, int value) {
    values.insert(std::lower_bound(values.begin(), values.end(), value), value);
}

bool Contains(const std::vector<int>& values, int value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

std::string_view TimerHelpText(int type) {
    switch (type) {
    case kTimerOff:
        return "タイマによる壁紙変更を行いません。\n"
               "\n"
               "自動的に壁紙を変更したい場合は、使用するタイマの種類を選択して\n"
               "下さい。\n";
    case kTimerInterval:
        return "壁紙を一定時間毎に変更します。\n"
               "\n"
               "スライダバーを左右に動かしてお好みの時間間隔を指定して下さい。\n";
    case kTimerHourly:
        return "壁紙を毎時指定した時刻に変更します。\n"
               "\n"
               "壁紙を変更したい時間（分）を入力後、「<< 追加」ボタンを押して\n"
               "リストに追加して下さい（20個まで追加できます）。\n";
    case kTimerTimeOfDay:
        return "壁紙を指定した時刻に変更します。\n"
               "\n"
               "壁紙を変更したい時間（時・分）を入力後、「<< 追加」ボタンを押して\n"
               "リストに追加して下さい（20個まで追加できます）。\n";
    default: return {};
    }
}

} // namespace

int IntervalSecondsAt(int position) {
    if (position >= 1 && position <= 5) {
        return 10 * position;
    }
    if (position >= 6 && position <= 64) {
        return 60 * (position - 5);
    }
    if (position >= 65 && position <= 74) {
        return 1800 * (position - 63);
    }
    if (position >= 75 && position <= kLastSliderPosition) {
        return 3600 * (position - 69);
    }
    return kShortestInterval;
}

int SliderPositionFor(int seconds) {
    const int s = std::clamp(seconds, kShortestInterval, kLongestInterval);
    const int h = s / 3600;
    const int m = s % 3600 / 60;
    if (h >= 6) {
        return h + 69;
    }
    if (h >= 1) {
        return 2 * h + 63 + (m >= 30 ? 1 : 0);
    }
    if (m >= 1) {
        return m + 5;
    }
    return std::max(s % 60 / 10, kFirstSliderPosition);
}

std::string IntervalText(int seconds) {
    const int h = seconds / 3600;
    const int m = seconds % 3600 / 60;
    const int r = seconds % 60;
    std::string text;
    if (h > 0) {
        text += FormatNumbers("%02d 時間 ", h);
    }
    if (m > 0) {
        text += FormatNumbers("%02d 分 ", m);
    } else if (h > 0) {
        text += "00 分 ";
    }
    if (r > 0) {
        text += FormatNumbers("%02d 秒 ", r);
    } else if (h > 0 || m > 0) {
        text += "00 秒 ";
    }
    return text + "間隔で壁紙を変更する";
}

std::string TimeEntryText(TimeListKind kind, int value) {
    if (kind == TimeListKind::Hourly) {
        return FormatNumbers("毎時 %02d 分", value);
    }
    return FormatNumbers("%02d 時 %02d 分", value / 60, value % 60);
}

std::vector<int> ParseTimeList(std::string_view stored, TimeListKind kind) {
    std::vector<int> values;
    while (!stored.empty()) {
        const size_t comma = stored.find(',');
        const std::string_view token = stored.substr(0, comma);
        stored = comma == std::string_view::npos ? std::string_view() : stored.substr(comma + 1);
        int value = 0;
        if (!ReadListToken(token, kind, value)) {
            continue;
        }
        if (values.size() >= kMaxTimeEntries) {
            break;
        }
        if (!Contains(values, value)) {
            InsertSorted(values, value);
        }
    }
    return values;
}

std::string FormatTimeList(const std::vector<int>& values) {
    std::string text;
    for (const int value : values) {
        if (!text.empty()) {
            text += ',';
        }
        text += std::to_string(value);
    }
    return text;
}

TimerTypeLayout LayoutForTimerType(int type) {
    TimerTypeLayout layout;
    layout.helpText = TimerHelpText(type);
    layout.interval = type == kTimerInterval;
    layout.hourlyList = type == kTimerHourly;
    layout.timeOfDayList = type == kTimerTimeOfDay;
    layout.timeEntry = layout.hourlyList || layout.timeOfDayList;
    return layout;
}

void TimerModel::Load(const SettingsRecord& record) {
    type = record.Timer_Type;
    sliderPosition = SliderPositionFor(record.Timer_Length);
    hourlyMinutes = ParseTimeList(record.Timer1_List, TimeListKind::Hourly);
    timesOfDay = ParseTimeList(record.Timer2_List, TimeListKind::TimeOfDay);
}

void TimerModel::Store(SettingsRecord& record) const {
    // A type the drop-down list cannot show leaves it without a selection, which stores as off.
    record.Timer_Type = type >= kTimerOff && type <= kTimerTimeOfDay ? type : kTimerOff;
    record.Timer_Length = IntervalSecondsAt(sliderPosition);
    record.Timer1_List = FormatTimeList(hourlyMinutes);
    record.Timer2_List = FormatTimeList(timesOfDay);
}

int TimerModel::EnteredValue() const { return type == kTimerTimeOfDay ? hour * 60 + minute : minute; }

AddResult TimerModel::AddEntry() {
    if (!EditsAList()) {
        return AddResult::Fault;
    }
    if (type == kTimerTimeOfDay && (hour < 0 || hour > kLastHour)) {
        return AddResult::HourRefused;
    }
    if (minute < 0 || minute > kLastMinute) {
        return AddResult::MinuteRefused;
    }
    std::vector<int>& list = EditedList();
    // A full list says so even for a time it already holds.
    if (list.size() >= kMaxTimeEntries) {
        return AddResult::ListFull;
    }
    if (Contains(list, EnteredValue())) {
        return AddResult::AlreadyListed;
    }
    InsertSorted(list, EnteredValue());
    return AddResult::Added;
}

RemoveResult TimerModel::RemoveEntry(std::optional<int> selected) {
    if (!EditsAList()) {
        return {RemoveOutcome::Fault};
    }
    if (!selected) {
        return {RemoveOutcome::NothingSelected};
    }
    const int value = *selected;
    std::vector<int>& list = EditedList();
    const auto found = std::find(list.begin(), list.end(), value);
    if (found == list.end()) {
        return {RemoveOutcome::NotListed};
    }
    const auto place = static_cast<size_t>(found - list.begin());
    list.erase(found);
    if (type == kTimerTimeOfDay) {
        hour = value / 60;
        minute = value % 60;
    } else {
        minute = value;
    }
    return {RemoveOutcome::Removed, place};
}

bool TimerModel::CarryMinute(int position, int delta) {
    // Without a valid hour there is nothing to carry into.
    if (type != kTimerTimeOfDay || hour < 0 || hour > kLastHour) {
        return false;
    }
    if (position + delta > kLastMinute && hour < kLastHour) {
        ++hour;
        minute = 0;
        return true;
    }
    if (position + delta < 0 && hour > 0) {
        --hour;
        minute = kLastMinute;
        return true;
    }
    return false;
}

} // namespace pelaconf
