#include "app/fade.h"

namespace pelaconf {
namespace {

constexpr int32_t kAlphaStep = 40;
constexpr int32_t kOpaque = 255;

} // namespace

std::optional<int32_t> FadeStep(FadeState& state, bool fadingPossible) {
    const int32_t command = state.command.load();
    if (command == kFadeIdle) {
        return std::nullopt;
    }
    int32_t alpha = state.alpha.load();
    if (command == kFadeIn) {
        alpha = fadingPossible ? alpha + kAlphaStep : kOpaque;
        if (alpha >= kOpaque) {
            alpha = kOpaque;
            state.command = kFadeIdle;
        }
    } else if (command == kFadeOutAndEnd) {
        alpha = fadingPossible ? alpha - kAlphaStep : 0;
        if (alpha <= 0) {
            alpha = 0;
            state.command = kFadeIdle;
            state.stop = 1;
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
