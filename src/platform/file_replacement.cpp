#include "platform/file_replacement.h"

#include <array>

namespace pelaconf {
namespace {

constexpr std::array<int, 8> kPauses = {10, 20, 40, 80, 150, 200, 250, 250};

// Refusals that last only while another program has one of the files open, or while another
// writer is between the steps of its own replacement.
bool Passes(uint32_t error) {
    return error == kErrorSharingViolation || error == kErrorAccessDenied || error == kErrorUnableToRemoveReplaced ||
           error == kErrorUnableToMoveReplacement;
}

// What a file system that does not do replacements answers.
bool VolumeRefusesReplacing(uint32_t error) {
    return error == kErrorInvalidFunction || error == kErrorNotSupported || error == kErrorInvalidParameter;
}

} // namespace

std::span<const int> ReplacementPauses() { return kPauses; }

bool ReplaceWithRetries(FileReplacement& replacement) {
    bool moving = false;
    size_t paused = 0;
    for (;;) {
        const uint32_t error = moving ? replacement.MoveOver() : replacement.Replace();
        if (error == kErrorNone) {
            return true;
        }
        if (!moving && VolumeRefusesReplacing(error)) {
            moving = true;
            continue;
        }
        if (!Passes(error) || paused == kPauses.size()) {
            return false;
        }
        replacement.Pause(kPauses[paused++]);
    }
}

} // namespace pelaconf
