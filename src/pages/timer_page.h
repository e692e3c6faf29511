#pragma once
// The timer page's values and rules: the timer type, the interval scale of the slider, and the
// two lists of times (minutes past every hour, times of day) with their adding and removing.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelaconf {

struct SettingsRecord;

inline constexpr int kTimerOff = 0;
inline constexpr int kTimerInterval = 1;
inline constexpr int kTimerHourly = 2;
inline constexpr int kTimerTimeOfDay = 3;

inline constexpr int kFirstSliderPosition = 1;
inline constexpr int kLastSliderPosition = 93;
inline constexpr int kSliderPageSize = 5;
inline constexpr int kMaxTimeEntries = 20;
inline constexpr int kLastHour = 23;
inline constexpr int kLastMinute = 59;
// A time field that holds no number: a value outside every range, so adding refuses it.
inline constexpr int kNoTimeField = -1;

inline constexpr char kMinuteOutOfRangeMessage[] = "0 から 59 までの数値を入力して下さい";
inline constexpr char kHourOutOfRangeMessage[] = "0 から 23 までの数値を入力して下さい";
inline constexpr char kTimeAlreadyListedMessage[] = "その時刻は既に追加されています";
inline constexpr char kTimeListFullMessage[] = "これ以上追加できません";
inline constexpr char kTimerFaultMessage[] = "異常が発生しました";
inline constexpr char kTimeRemovalFailedMessage[] = "時刻を削除で異常が発生しました";

// The interval scale: seconds for a slider position (10 for a position off the scale), and the
// position of the largest interval that does not exceed the seconds (limited to 10 to 86400).
int IntervalSecondsAt(int position);
int SliderPositionFor(int seconds);
std::string IntervalText(int seconds);

// The two lists differ only in their range and in how an entry reads.
enum class TimeListKind {
    Hourly,    // minutes past every hour, 0 to 59
    TimeOfDay, // minutes after midnight, 0 to 1439
};
std::string TimeEntryText(TimeListKind kind, int value);
// The stored list's valid values, at most 20 without repeats, in the list's (chronological) order.
std::vector<int> ParseTimeList(std::string_view stored, TimeListKind kind);
std::string FormatTimeList(const std::vector<int>& values);

// What the page shows for a timer type. A type that is none of the four shows nothing and
// leaves the help text as it is (an empty text).
struct TimerTypeLayout {
    bool interval = false;      // the slider and its interval text
    bool hourlyList = false;    // the hourly list, with "毎時" in place of the hour field
    bool timeOfDayList = false; // the time-of-day list, with the hour field and its up-down
    bool timeEntry = false;     // add, remove, the frame and the minute field with its up-down
    std::string_view helpText;
};
TimerTypeLayout LayoutForTimerType(int type);

// What an add came to. `Fault`: the type shows no list to add to.
enum class AddResult { Added, HourRefused, MinuteRefused, ListFull, AlreadyListed, Fault };

// What a removal came to. `NotListed`: the selected value is not in the list; `Fault`: the type
// shows no list to remove from.
enum class RemoveOutcome { Removed, NothingSelected, NotListed, Fault };
struct RemoveResult {
    RemoveOutcome outcome;
    size_t place = 0; // the place the removed entry held in the list
};

struct TimerModel {
    int type = kTimerOff;
    int sliderPosition = kFirstSliderPosition; // the position last read from the slider
    // The hour and minute fields; a field that holds no number reads as -1, outside every range.
    int hour = 0;
    int minute = 0;
    std::vector<int> hourlyMinutes;
    std::vector<int> timesOfDay;

    void Load(const SettingsRecord& record);
    // Writes all four timer settings, whatever the type.
    void Store(SettingsRecord& record) const;

    // The value the fields make for the list the type shows.
    int EnteredValue() const;
    // Whether the type edits a list (hourly minutes or times of day), and that list.
    bool EditsAList() const { return type == kTimerHourly || type == kTimerTimeOfDay; }
    std::vector<int>& EditedList() { return type == kTimerTimeOfDay ? timesOfDay : hourlyMinutes; }
    // Adds the time in the fields to the visible list.
    AddResult AddEntry();
    // Removes the selected value from the visible list and puts its time back into the fields.
    RemoveResult RemoveEntry(std::optional<int> selected);
    // The minute up-down is about to move from `position` by `delta`: for times of day a step
    // past 59 or below 0 carries into the hour instead. True when it carried, and the up-down's
    // own step must then be refused.
    bool CarryMinute(int position, int delta);
};

} // namespace pelaconf
