#pragma once
// The settings window's fade: opacity steps shared between the user-interface thread and the
// fade thread. Every field is a lock-free 32-bit value written whole.

#include <atomic>
#include <cstdint>
#include <optional>

namespace pelaconf {

enum FadeCommand : int32_t { kFadeIdle = 0, kFadeIn = 1, kFadeOutAndEnd = 2 };

inline constexpr int32_t kFadeResultOk = 1;
inline constexpr int32_t kFadeResultCancel = 2;
// The opacity a fading window starts with before its first step.
inline constexpr int32_t kFadeStartAlpha = 10;
inline constexpr int kFadeTickMilliseconds = 20;

struct FadeState {
    std::atomic<int32_t> command{kFadeIn};
    std::atomic<int32_t> alpha{0};
    std::atomic<int32_t> result{kFadeResultOk};
    std::atomic<int32_t> stop{0};
    // Mirrors SetupDlg_Fade, kept up to date by the user-interface thread, so that the fade
    // thread never reads the settings record.
    std::atomic<int32_t> fadeWanted{0};
};

// One pass of the fade thread after its tick. Returns the opacity to give the window, or
// nothing when the window is not to be touched (idle, or fading is not possible).
std::optional<int32_t> FadeStep(FadeState& state, bool fadingPossible);
// The same pass for a command read a moment before: a command given since then is kept for
// the next pass.
std::optional<int32_t> RunFadeCommand(FadeState& state, int32_t command, bool fadingPossible);

// True while OK and Cancel are to be ignored: the window is closing, or it is still fading in
// on a first run.
bool FadeBlocksClosing(const FadeState& state, bool firstRun);

} // namespace pelaconf
