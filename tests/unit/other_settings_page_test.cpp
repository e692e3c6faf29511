#include "pages/other_settings_page.h"
#include "settings/settings_record.h"

#include <gtest/gtest.h>

#include <climits>

namespace pelaconf {
namespace {

OtherSettingsModel Loaded(const SettingsRecord& record, bool layeredWindows) {
    OtherSettingsModel model;
    model.layeredWindows = layeredWindows;
    model.Load(record);
    return model;
}

SettingsRecord WithOpacity(int opacity) {
    SettingsRecord record("C:\\Pelavine");
    record.WaitDlg_Trans = opacity;
    return record;
}

TEST(OtherSettingsModel, TheSliderShowsTransparencyAndStoresTheOpacityBack) {
    struct Case {
        int opacity, position, waitWindow;
    };
    for (const Case c : {Case{255, 0, 1}, Case{130, 49, 1}, Case{2, 99, 1}, Case{0, 0, 0}}) {
        OtherSettingsModel model = Loaded(WithOpacity(c.opacity), true);
        model.ApplyEnablingRule(); // the page is shown
        EXPECT_EQ(model.transparency, c.position) << c.opacity;
        EXPECT_EQ(model.waitWindow, c.waitWindow) << c.opacity;
        EXPECT_EQ(model.TransparencyEnabled(), c.waitWindow == 1) << c.opacity;
        SettingsRecord stored("C:\\Pelavine");
        model.Store(stored);
        EXPECT_EQ(stored.WaitDlg_Trans, c.opacity);
    }
}

TEST(OtherSettingsModel, EveryPositionStoresAnOpacityThatShowsTheSamePosition) {
    for (int position = 0; position <= kMaxTransparency; ++position) {
        const int opacity = OpacityFromTransparency(position);
        EXPECT_GE(opacity, 2);
        EXPECT_LE(opacity, 255);
        EXPECT_EQ(TransparencyFromOpacity(opacity), position) << opacity;
    }
}

TEST(OtherSettingsModel, OutOfRangeOpacitiesLoadWithinTheSliderAndAreStoredCleaned) {
    struct Case {
        int opacity, stored;
    };
    for (const Case c : {Case{300, 255}, Case{INT_MAX, 255}, Case{-5, 0}, Case{INT_MIN, 0}}) {
        OtherSettingsModel model = Loaded(WithOpacity(c.opacity), true);
        model.ApplyEnablingRule();
        EXPECT_GE(model.transparency, 0) << c.opacity;
        EXPECT_LE(model.transparency, kMaxTransparency) << c.opacity;
        SettingsRecord stored("C:\\Pelavine");
        model.Store(stored);
        EXPECT_EQ(stored.WaitDlg_Trans, c.stored) << c.opacity;
    }
}

TEST(OtherSettingsModel, CheckingTheWaitWindowAfterwardsStartsOpaque) {
    OtherSettingsModel model = Loaded(WithOpacity(0), true);
    model.ApplyEnablingRule();
    model.waitWindow = 1;
    model.ApplyEnablingRule();
    EXPECT_TRUE(model.TransparencyEnabled());
    SettingsRecord stored("C:\\Pelavine");
    model.Store(stored);
    EXPECT_EQ(stored.WaitDlg_Trans, 255);
}

TEST(OtherSettingsModel, UncheckingTheWaitWindowReturnsTheSliderToZero) {
    OtherSettingsModel model = Loaded(WithOpacity(130), true);
    model.waitWindow = 0;
    model.ApplyEnablingRule();
    EXPECT_EQ(model.transparency, 0);
    EXPECT_FALSE(model.TransparencyEnabled());
}

TEST(OtherSettingsModel, WithoutLayeredWindowsThereIsNoFadeAndAWaitWindowIsOpaque) {
    SettingsRecord record = WithOpacity(130);
    record.SetupDlg_Fade = 1;
    OtherSettingsModel model = Loaded(record, false);
    EXPECT_FALSE(model.FadeEnabled());
    EXPECT_FALSE(model.TransparencyEnabled());
    EXPECT_EQ(model.fade, 0);
    EXPECT_EQ(model.waitWindow, 1);
    EXPECT_EQ(model.transparency, 0);
    model.fade = 1; // even a box that could not be checked stores no fade
    model.Store(record);
    EXPECT_EQ(record.SetupDlg_Fade, 0);
    EXPECT_EQ(record.WaitDlg_Trans, 255);
}

TEST(OtherSettingsModel, FadeIsOnOnlyForAStoredOne) {
    for (const auto& [stored, fade] : {std::pair{1, 1}, {0, 0}, {2, 0}, {-1, 0}}) {
        SettingsRecord record("C:\\Pelavine");
        record.SetupDlg_Fade = stored;
        OtherSettingsModel model = Loaded(record, true);
        EXPECT_EQ(model.fade, fade) << stored;
        model.Store(record);
        EXPECT_EQ(record.SetupDlg_Fade, fade) << stored;
    }
}

TEST(OtherSettingsModel, TheTransparencyTextLinesUpOneAndTwoDigits) {
    EXPECT_EQ(TransparencyText(49), "透明度 49 %");
    EXPECT_EQ(TransparencyText(5), "透明度  5 %");
    EXPECT_EQ(TransparencyText(0), "透明度  0 %");
}

} // namespace
} // namespace pelaconf
