#include "pages/hotkey_page.h"
#include "pages/timer_stop_page.h"
#include "settings/settings_record.h"

#include <gtest/gtest.h>

namespace pelaconf {
namespace {

constexpr int kCtrlAltW = 0x0657;
constexpr int kAltF1 = 0x0470;

SettingsRecord RecordWithKeys(int ascending, int descending, int random, int remove) {
    SettingsRecord record("C:\\Pelavine");
    record.HKey_ChgNormal = ascending;
    record.HKey_ChgReverse = descending;
    record.HKey_ChgRandam = random;
    record.HKey_ChgNone = remove;
    return record;
}

TEST(HotkeyModel, LoadsEachKeyAsItsLowSixteenBitsAndStoresThemInTheSameOrder) {
    const SettingsRecord record = RecordWithKeys(kAltF1, 0x10000 | kCtrlAltW, -1, 2147483647);
    HotkeyModel model;
    model.Load(record);
    EXPECT_EQ(model.keys, (std::array<int, 4>{kAltF1, kCtrlAltW, 0xFFFF, 0xFFFF}));

    model.keys = {1, 2, 3, 4};
    SettingsRecord stored("C:\\Pelavine");
    model.Store(stored);
    EXPECT_EQ(stored.HKey_ChgNormal, 1);
    EXPECT_EQ(stored.HKey_ChgReverse, 2);
    EXPECT_EQ(stored.HKey_ChgRandam, 3);
    EXPECT_EQ(stored.HKey_ChgNone, 4);
}

TEST(HotkeyModel, AnyTwoActionsWithTheSameKeyAreRefusedWithAWarning) {
    const SettingsRecord record = RecordWithKeys(0, 0, 0, 0);
    for (size_t first = 0; first < 4; ++first) {
        for (size_t second = first + 1; second < 4; ++second) {
            HotkeyModel model;
            model.keys = {0x0441, 0x0442, 0x0443, 0x0444};
            model.keys[first] = kCtrlAltW;
            model.keys[second] = kCtrlAltW;
            EXPECT_EQ(model.Validate(record), HotkeyCheck::SharedKey) << first << " and " << second;
        }
    }
}

TEST(HotkeyModel, EmptyKeysNeverClashAndValidationTellsWhetherAnyKeyDiffersFromTheRecord) {
    HotkeyModel model;
    EXPECT_EQ(model.Validate(RecordWithKeys(0, 0, 0, 0)), HotkeyCheck::Unchanged);
    model.keys = {kAltF1, 0, 0, kCtrlAltW};
    EXPECT_EQ(model.Validate(RecordWithKeys(kAltF1, 0, 0, kCtrlAltW)), HotkeyCheck::Unchanged);
    EXPECT_EQ(model.Validate(RecordWithKeys(kAltF1, 0, 0, 0)), HotkeyCheck::Changed);
    // A stored value beyond 16 bits loads shortened, so the next validation offers it for saving.
    const SettingsRecord outOfRange = RecordWithKeys(0x10000 | kAltF1, 0, 0, 0);
    model.Load(outOfRange);
    EXPECT_EQ(model.Validate(outOfRange), HotkeyCheck::Changed);
}

TEST(HelpTexts, TheHotkeyAndTimerStopPagesEndWithTheirLastLines) {
    EXPECT_TRUE(HotkeyHelpText().ends_with("\n　壁紙変更出来なかったり、元の機能も動作しなくなる可能性があります。\n"));
    EXPECT_TRUE(TimerStopHelpText().ends_with("（DirectXを使用したゲーム等）実行中の自動壁紙変更を行いません。\n"));
}

} // namespace
} // namespace pelaconf
