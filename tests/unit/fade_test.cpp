#include "app/fade.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace pelaconf {
namespace {

// The opacities the window is given, one per tick, until the command falls idle.
std::vector<int32_t> RunUntilIdle(FadeState& state, bool fadingPossible) {
    std::vector<int32_t> shown;
    for (int tick = 0; tick < 100 && state.command.load() != kFadeIdle; ++tick) {
        if (const auto alpha = FadeStep(state, fadingPossible)) {
            shown.push_back(*alpha);
        }
    }
    return shown;
}

// OK pressed just as the last fade-in step ends: after the fade thread read "fade in" and
// before it marks the fade done.
TEST(Fade, AnOkGivenWhileTheFadeInEndsIsNeverLost) {
    FadeState state;
    state.alpha = 250; // the next step ends the fade-in
    const int32_t read = state.command.load();
    state.result = kFadeResultOk;
    state.command = kFadeOutAndEnd;
    EXPECT_EQ(RunFadeCommand(state, read, true), 255);
    EXPECT_EQ(state.command.load(), kFadeOutAndEnd) << "the closing command waits for the next pass";
    EXPECT_EQ(RunUntilIdle(state, true).back(), 0);
    EXPECT_EQ(state.stop.load(), 1);
}

// The same with both sides on real threads, starting together in each round.
TEST(Fade, RacingOkAgainstTheLastFadeInStepAlwaysEndsTheWindow) {
    for (int round = 0; round < 1000; ++round) {
        FadeState state;
        state.alpha = 250; // the next step ends the fade-in
        std::atomic<bool> go{false};
        std::thread fadeThread([&] {
            while (!go.load()) {
            }
            FadeStep(state, true);
        });
        go = true;
        state.result = kFadeResultOk;
        state.command = kFadeOutAndEnd;
        fadeThread.join();
        RunUntilIdle(state, true);
        ASSERT_EQ(state.stop.load(), 1) << "round " << round << ": the closing command was lost";
    }
}

TEST(Fade, FadingInAndOutStepsByFortyAndStopsTheThreadAfterTheLastStep) {
    FadeState state;
    EXPECT_EQ(RunUntilIdle(state, true), (std::vector<int32_t>{40, 80, 120, 160, 200, 240, 255}));
    EXPECT_EQ(state.stop.load(), 0) << "a finished fade-in keeps the thread running";
    EXPECT_FALSE(FadeStep(state, true).has_value()) << "an idle fade leaves the window alone";

    state.result = kFadeResultCancel;
    state.command = kFadeOutAndEnd;
    EXPECT_EQ(RunUntilIdle(state, true), (std::vector<int32_t>{215, 175, 135, 95, 55, 15, 0}));
    EXPECT_EQ(state.stop.load(), 1);
    EXPECT_EQ(state.result.load(), kFadeResultCancel);
}

TEST(Fade, WithoutLayeredWindowsEachFadeEndsInOneTickWithoutTouchingTheWindow) {
    FadeState state;
    EXPECT_TRUE(RunUntilIdle(state, false).empty());
    EXPECT_EQ(state.alpha.load(), 255);
    state.command = kFadeOutAndEnd;
    EXPECT_FALSE(FadeStep(state, false).has_value());
    EXPECT_EQ(state.command.load(), kFadeIdle);
    EXPECT_EQ(state.stop.load(), 1);
}

TEST(Fade, AClosingFadeInterruptsAFadeInFromItsCurrentOpacity) {
    FadeState state;
    FadeStep(state, true);
    FadeStep(state, true); // 80
    state.command = kFadeOutAndEnd;
    EXPECT_EQ(RunUntilIdle(state, true), (std::vector<int32_t>{40, 0}));
}

TEST(Fade, ClosingIsBlockedWhileClosingAndDuringAFirstRunFadeIn) {
    FadeState state; // fading in
    EXPECT_FALSE(FadeBlocksClosing(state, false));
    EXPECT_TRUE(FadeBlocksClosing(state, true));
    state.command = kFadeIdle;
    EXPECT_FALSE(FadeBlocksClosing(state, true));
    state.command = kFadeOutAndEnd;
    EXPECT_TRUE(FadeBlocksClosing(state, false));
}

} // namespace
} // namespace pelaconf
