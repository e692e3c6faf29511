#pragma once
// The thread that steps the settings window's opacity every tick and, after a closing fade,
// asks the window's own thread to end it.

#include "app/fade.h"
#include "win/handles.h"

#include <windows.h>

namespace pelaconf {

class LayeredWindowLibrary;

// Posted to the window when the closing fade is over; the window then ends with the fade's
// result.
inline constexpr UINT kFadeFinishedMessage = WM_APP + 1;

class FadeThread {
public:
    FadeThread(FadeState& state, const LayeredWindowLibrary& layeredWindows);
    ~FadeThread();
    FadeThread(const FadeThread&) = delete;
    FadeThread& operator=(const FadeThread&) = delete;

    bool FadingPossible() const;
    // Starts fading the window; false when the thread cannot be started.
    bool Start(HWND window);
    // Ends the loop and waits for the thread, still serving messages it sends to this thread.
    void Stop();

private:
    static DWORD WINAPI Run(void* self);
    void Loop();

    FadeState& state_;
    const LayeredWindowLibrary& layeredWindows_;
    HWND window_ = nullptr;
    UniqueKernelHandle thread_;
};

} // namespace pelaconf
