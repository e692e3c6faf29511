#include "app/fade.h"

namespace pelaconf {
namespace {

constexpr int32_t kAlphaStep = 40;
constexpr int32_t kOpaque = 255;

// Ends the command that was run, unless the user-interface thread has given a new one since it
// was read: that one must run on the next pass, never be overwritten.
bool FinishCommand(FadeState& state, int32_t command) {
    return state.command.compare_exchange_strong(command, kFadeIdle);
}

} // namespace

std::optional<int32_t> FadeStep(FadeState& state, bool fadingPossible) {
    return RunFadeCommand(state, state.command.load(), fadingPossible);
}

std::optional<int32_t> RunFadeCommand(FadeState& state, int32_t command, bool fadingPossible) {
    if (command == kFadeIdle) {
        return std::nullopt;
    }
    int32_t alpha = state.alpha.load();
    if (command == kFadeIn) {
        alpha = fadingPossible ? alpha + kAlphaStep : kOpaque;
        if (alpha >= kOpaque) {
            alpha = kOpaque;
            FinishCommand(state, command);
        }
    } else if (command == kFadeOutAndEnd) {
        alpha = fadingPossible ? alpha - kAlphaStep : 0;
        if (alpha <= 0) {
            alpha = 0;
            if (FinishCommand(state, command)) {
                state.stop = 1;
            }
        }
    }
    state.alpha = alpha;
    return fadingPossible ? std::optional<int32_t>(alpha) : std::nullopt;
}

bool FadeBlocksClosing(const FadeState& state, bool firstRun) {
    const int32_t command = state.command.load();
    return command == kFadeOutAndEnd || (firstRun && command != kFadeIdle);
}

} // namespace pelaconf
