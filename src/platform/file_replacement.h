#pragma once
// How a new file written beside its target takes the target's place: which refusals of the system
// are waited out, for how long, and when the volume's refusal of a replacement calls for a plain
// move instead. The system's calls come through FileReplacement, so that the rules are tested
// without a system.

#include <cstdint>
#include <span>

namespace pelaconf {

// The system's error numbers the rules tell apart (Win32 error codes).
inline constexpr uint32_t kErrorNone = 0;
inline constexpr uint32_t kErrorInvalidFunction = 1;
inline constexpr uint32_t kErrorAccessDenied = 5;
inline constexpr uint32_t kErrorSharingViolation = 32;
inline constexpr uint32_t kErrorNotSupported = 50;
inline constexpr uint32_t kErrorInvalidParameter = 87;
inline constexpr uint32_t kErrorUnableToRemoveReplaced = 1175;
inline constexpr uint32_t kErrorUnableToMoveReplacement = 1176;

// One target and the new file written beside it.
class FileReplacement {
public:
    virtual ~FileReplacement() = default;
    // One try at replacing the target with the new file so that the target keeps its security and
    // attributes; kErrorNone, or why it failed. A failed try leaves both files as they were.
    virtual uint32_t Replace() = 0;
    // One try at moving the new file over the target, giving it the target's attributes again;
    // kErrorNone, or why it failed.
    virtual uint32_t MoveOver() = 0;
    virtual void Pause(int milliseconds) = 0;
};

// The pauses between tries, growing, about a second in all.
std::span<const int> ReplacementPauses();

// Puts the new file in the target's place. A refusal that passes (the target or the new file open
// in another program without delete sharing: an antivirus, the search indexer, a sync client, the
// desktop reading its wallpaper) is tried again after each pause; a volume that does not do
// replacements (some network shares) gets a move instead, under the same pauses. False once a
// refusal does not pass or the pauses are spent.
bool ReplaceWithRetries(FileReplacement& replacement);

} // namespace pelaconf
