// The timer page's rules: the interval scale both ways, the interval text, the two time lists as
// stored and shown, adding, removing and the minute carry.
#include "pages/timer_page.h"
#include "settings/settings_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pelaconf {
namespace {

TEST(TimerIntervalScale, StoredSecondsTakeTheLargestIntervalNotAboveThem) {
    const int expected[][2] = {{3600, 65},  {5400, 66},  {5, 1},      {100000, 93}, {90, 6},
                               {10, 1},     {59, 5},     {60, 6},     {3599, 64},   {5399, 65},
                               {19800, 74}, {21600, 75}, {86400, 93}, {-7, 1},      {0, 1}};
    for (const auto& [seconds, position] : expected) {
        EXPECT_EQ(SliderPositionFor(seconds), position) << seconds;
    }
}

TEST(TimerIntervalScale, EveryPositionIsItsOwnIntervalAndOffTheScaleReadsTenSeconds) {
    int previous = 0;
    for (int position = kFirstSliderPosition; position <= kLastSliderPosition; ++position) {
        const int seconds = IntervalSecondsAt(position);
        EXPECT_GT(seconds, previous) << position;
        EXPECT_EQ(SliderPositionFor(seconds), position) << "round trip of " << position;
        previous = seconds;
    }
    EXPECT_EQ(IntervalSecondsAt(1), 10);
    EXPECT_EQ(IntervalSecondsAt(6), 60);
    EXPECT_EQ(IntervalSecondsAt(74), 19800);
    EXPECT_EQ(IntervalSecondsAt(93), 86400);
    EXPECT_EQ(IntervalSecondsAt(0), 10);
    EXPECT_EQ(IntervalSecondsAt(94), 10);
}

TEST(TimerIntervalScale, TheTextNamesEachUnitFromTheLargestPresentDown) {
    EXPECT_EQ(IntervalText(3600), "01 時間 00 分 00 秒 間隔で壁紙を変更する");
    EXPECT_EQ(IntervalText(10), "10 秒 間隔で壁紙を変更する");
    EXPECT_EQ(IntervalText(300), "05 分 00 秒 間隔で壁紙を変更する");
    EXPECT_EQ(IntervalText(5400), "01 時間 30 分 00 秒 間隔で壁紙を変更する");
    EXPECT_EQ(IntervalText(86400), "24 時間 00 分 00 秒 間隔で壁紙を変更する");
}

TEST(TimeLists, RubbishZerosAndRepeatsAreDroppedAndTheRestIsSorted) {
    EXPECT_EQ(ParseTimeList("5,,00,abc,61,5,0", TimeListKind::Hourly), (std::vector<int>{0, 5}));
    EXPECT_EQ(ParseTimeList("1439,0,720", TimeListKind::TimeOfDay), (std::vector<int>{0, 720, 1439}));
    // As atoi reads them: leading blanks and trailing text are allowed, a sign is read.
    EXPECT_EQ(ParseTimeList(" 7,9x,-0,-3,+4,60", TimeListKind::Hourly), (std::vector<int>{4, 7, 9}));
    EXPECT_EQ(ParseTimeList("1440,99999999999,59", TimeListKind::TimeOfDay), (std::vector<int>{59}));
    EXPECT_TRUE(ParseTimeList("", TimeListKind::Hourly).empty());
    EXPECT_TRUE(ParseTimeList(",,,", TimeListKind::Hourly).empty());
}

TEST(TimeLists, TheFirstTwentyValidValuesAreKept) {
    std::string stored = "abc";
    for (int minute = 59; minute > 34; --minute) { // 25 valid values
        stored += "," + std::to_string(minute);
    }
    const std::vector<int> values = ParseTimeList(stored, TimeListKind::Hourly);
    ASSERT_EQ(values.size(), 20u);
    EXPECT_EQ(values.front(), 40);
    EXPECT_EQ(values.back(), 59);
}

TEST(TimeLists, EntriesReadZeroPaddedAndStoreAsPlainNumbers) {
    EXPECT_EQ(TimeEntryText(TimeListKind::Hourly, 5), "毎時 05 分");
    EXPECT_EQ(TimeEntryText(TimeListKind::TimeOfDay, 750), "12 時 30 分");
    EXPECT_EQ(TimeEntryText(TimeListKind::TimeOfDay, 0), "00 時 00 分");
    EXPECT_EQ(FormatTimeList({0, 720, 1439}), "0,720,1439");
    EXPECT_EQ(FormatTimeList({}), "");
}

// Which controls each type shows is seen through the real program; here the help texts.
TEST(TimerTypeLayout, EachTypeHasItsHelpAndAnUnknownTypeShowsNothingAndKeepsTheHelp) {
    EXPECT_EQ(LayoutForTimerType(kTimerOff).helpText, "タイマによる壁紙変更を行いません。\n\n"
                                                      "自動的に壁紙を変更したい場合は、使用するタイマの種類を選択して\n"
                                                      "下さい。\n");
    EXPECT_TRUE(LayoutForTimerType(kTimerInterval)
                    .helpText.ends_with("\n\nスライダバーを左右に動かしてお好みの時間間隔を指定して下さい。\n"));
    EXPECT_EQ(LayoutForTimerType(kTimerHourly).helpText,
              "壁紙を毎時指定した時刻に変更します。\n\n"
              "壁紙を変更したい時間（分）を入力後、「<< 追加」ボタンを押して\n"
              "リストに追加して下さい（20個まで追加できます）。\n");
    EXPECT_TRUE(LayoutForTimerType(kTimerTimeOfDay)
                    .helpText.starts_with("壁紙を指定した時刻に変更します。\n\n壁紙を変更したい時間（時・分）を"));
    for (int type : {-1, 4}) {
        const TimerTypeLayout none = LayoutForTimerType(type);
        EXPECT_FALSE(none.interval || none.hourlyList || none.timeOfDayList || none.timeEntry) << type;
        EXPECT_TRUE(none.helpText.empty()) << type;
    }
}

TEST(TimerModel, LoadsAndStoresAllFourKeysCleaned) {
    SettingsRecord record("C:\\Pelavine");
    record.Timer_Type = 2;
    record.Timer_Length = 5400;
    record.Timer1_List = "5,,00,abc,61,5,0";
    record.Timer2_List = "1439,0,720";
    TimerModel model;
    model.Load(record);
    EXPECT_EQ(model.sliderPosition, 66);
    SettingsRecord stored("C:\\Pelavine");
    stored.Timer1_List = "left over";
    model.Store(stored);
    EXPECT_EQ(stored.Timer_Type, 2);
    EXPECT_EQ(stored.Timer_Length, 5400);
    EXPECT_EQ(stored.Timer1_List, "0,5");
    EXPECT_EQ(stored.Timer2_List, "0,720,1439");
}

TEST(TimerModel, AnUnknownTypeAndALengthOffTheScaleStoreAsOffAndTheNearestInterval) {
    SettingsRecord record("C:\\Pelavine");
    for (const int type : {7, -1}) {
        record.Timer_Type = type;
        record.Timer_Length = 3601;
        TimerModel model;
        model.Load(record);
        model.Store(record);
        EXPECT_EQ(record.Timer_Type, 0) << type;
        EXPECT_EQ(record.Timer_Length, 3600);
    }
}

TEST(TimerModel, AddingChecksTheHourThenTheMinuteThenTheRoomThenRepeats) {
    TimerModel model;
    model.type = kTimerTimeOfDay;
    model.hour = 24;
    model.minute = 60;
    EXPECT_EQ(model.AddEntry(), AddResult::HourRefused);
    model.hour = 12;
    EXPECT_EQ(model.AddEntry(), AddResult::MinuteRefused);
    model.minute = -1; // a field that holds no number
    EXPECT_EQ(model.AddEntry(), AddResult::MinuteRefused);
    model.minute = 30;
    EXPECT_EQ(model.AddEntry(), AddResult::Added);
    EXPECT_EQ(model.AddEntry(), AddResult::AlreadyListed);
    EXPECT_EQ(model.timesOfDay, std::vector<int>{750});
}

TEST(TimerModel, HourlyAddingIgnoresTheHourAndAFullListRefusesEvenARepeat) {
    TimerModel model;
    model.type = kTimerHourly;
    model.hour = 99;
    for (int minute = 0; minute < 20; ++minute) {
        model.minute = minute;
        ASSERT_EQ(model.AddEntry(), AddResult::Added);
    }
    model.minute = 30;
    EXPECT_EQ(model.AddEntry(), AddResult::ListFull);
    model.minute = 5;
    EXPECT_EQ(model.AddEntry(), AddResult::ListFull);
    EXPECT_TRUE(model.timesOfDay.empty());
}

TEST(TimerModel, AddingOrRemovingWithoutAListIsAFault) {
    TimerModel model;
    model.type = kTimerInterval;
    EXPECT_EQ(model.AddEntry(), AddResult::Fault);
    EXPECT_EQ(model.RemoveEntry(0).outcome, RemoveOutcome::Fault);
    EXPECT_EQ(model.RemoveEntry(std::nullopt).outcome, RemoveOutcome::Fault);
}

TEST(TimerModel, RemovingPutsTheTimeBackIntoTheFields) {
    TimerModel model;
    model.type = kTimerTimeOfDay;
    model.timesOfDay = {0, 750, 1439};
    const RemoveResult removal = model.RemoveEntry(750);
    EXPECT_EQ(removal.outcome, RemoveOutcome::Removed);
    EXPECT_EQ(removal.place, 1u) << "the place it held";
    EXPECT_EQ(model.hour, 12);
    EXPECT_EQ(model.minute, 30);
    EXPECT_EQ(model.timesOfDay, (std::vector<int>{0, 1439}));
    EXPECT_EQ(model.RemoveEntry(750).outcome, RemoveOutcome::NotListed);
    EXPECT_EQ(model.RemoveEntry(std::nullopt).outcome, RemoveOutcome::NothingSelected)
        << "no selection, nothing to remove";
    EXPECT_EQ(model.timesOfDay, (std::vector<int>{0, 1439}));

    model.type = kTimerHourly;
    model.hourlyMinutes = {45};
    const RemoveResult hourly = model.RemoveEntry(45);
    EXPECT_EQ(hourly.outcome, RemoveOutcome::Removed);
    EXPECT_EQ(hourly.place, 0u);
    EXPECT_EQ(model.minute, 45);
    EXPECT_EQ(model.hour, 12) << "the hour field is left alone";
}

TEST(TimerModel, TheMinuteCarriesIntoTheHourOnlyForTimesOfDayAndWithinTheDay) {
    struct Case {
        int hour, minute, delta;
        bool carries;
        int hourAfter, minuteAfter;
    };
    const Case cases[] = {
        {10, 59, 1, true, 11, 0},  {23, 59, 1, false, 23, 59}, {0, 0, -1, false, 0, 0},
        {11, 0, -1, true, 10, 59}, {10, 30, 1, false, 10, 30}, {-1, 59, 1, false, -1, 59},
    };
    for (const Case& c : cases) {
        TimerModel model;
        model.type = kTimerTimeOfDay;
        model.hour = c.hour;
        model.minute = c.minute;
        EXPECT_EQ(model.CarryMinute(c.minute, c.delta), c.carries) << c.hour << ":" << c.minute;
        EXPECT_EQ(model.hour, c.hourAfter) << c.hour << ":" << c.minute;
        EXPECT_EQ(model.minute, c.minuteAfter) << c.hour << ":" << c.minute;
    }
    TimerModel hourly;
    hourly.type = kTimerHourly;
    hourly.hour = 10;
    EXPECT_FALSE(hourly.CarryMinute(59, 1)) << "the hourly minute stops at 59";
    EXPECT_EQ(hourly.hour, 10);
}

} // namespace
} // namespace pelaconf
