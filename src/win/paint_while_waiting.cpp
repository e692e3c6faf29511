#include "win/paint_while_waiting.h"

#include <cstdint>

namespace pelaconf {
namespace {

// A window whose painting leaves it invalid is given its paint message again and again; a bound
// keeps that from spinning here, and the wait after it wakes only for new paint messages.
void PaintWhatIsInvalid() {
    constexpr int kMostPaintsAtOnce = 64;
    MSG message;
    for (int painted = 0; painted < kMostPaintsAtOnce && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT);
         ++painted) {
        DispatchMessageW(&message);
    }
}

} // namespace

DWORD WaitWhilePainting(std::span<const HANDLE> objects, DWORD timeoutMs) {
    const DWORD count = static_cast<DWORD>(objects.size());
    const uint64_t deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        // Painting first, so that the wait below wakes only for what becomes invalid after it.
        PaintWhatIsInvalid();
        const uint64_t now = GetTickCount64();
        const DWORD left = timeoutMs == INFINITE ? INFINITE : static_cast<DWORD>(deadline > now ? deadline - now : 0);
        const DWORD woken = MsgWaitForMultipleObjectsEx(count, objects.data(), left, QS_PAINT, 0);
        if (woken != WAIT_OBJECT_0 + count) {
            return woken;
        }
    }
}

} // namespace pelaconf
