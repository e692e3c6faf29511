#pragma once
// Waiting on the window's thread without the window freezing: while the wait lasts, the thread's
// windows go on painting, and nothing else runs. No input, timer or posted message is handled in
// the middle of the work waited for, so what the program does stays as it was; Windows only stops
// taking the window for one that has stopped responding, and a window uncovered meanwhile is drawn.

#include <windows.h>

#include <span>

namespace pelaconf {

// As WaitForMultipleObjects waiting for any one of the objects: WAIT_OBJECT_0 + the index of the
// one signalled, WAIT_TIMEOUT or WAIT_FAILED.
DWORD WaitWhilePainting(std::span<const HANDLE> objects, DWORD timeoutMs);

} // namespace pelaconf
