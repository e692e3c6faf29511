#include "app/fade_thread_win.h"

#include "app/layered_window_library_win.h"

namespace pelaconf {

FadeThread::FadeThread(FadeState& state, const LayeredWindowLibrary& layeredWindows)
    : state_(state), layeredWindows_(layeredWindows) {}

FadeThread::~FadeThread() { Stop(); }

bool FadeThread::FadingPossible() const { return state_.fadeWanted.load() != 0 && layeredWindows_.Available(); }

bool FadeThread::Start(HWND window) {
    window_ = window;
    thread_.Reset(CreateThread(nullptr, 0, Run, this, 0, nullptr));
    return static_cast<bool>(thread_);
}

DWORD WINAPI FadeThread::Run(void* self) {
    static_cast<FadeThread*>(self)->Loop();
    return 0;
}

void FadeThread::Loop() {
    while (state_.stop.load() == 0) {
        Sleep(kFadeTickMilliseconds);
        if (state_.command.load() == kFadeIdle) {
            continue;
        }
        if (const auto alpha = FadeStep(state_, FadingPossible())) {
            layeredWindows_.SetOpacity(window_, static_cast<BYTE>(*alpha));
        }
    }
    PostMessageW(window_, kFadeFinishedMessage, 0, 0);
}

// Setting the opacity can send a message to the window's thread, so the wait keeps serving
// sent messages instead of blocking them.
void FadeThread::Stop() {
    if (!thread_) {
        return;
    }
    state_.stop = 1;
    HANDLE thread = thread_.Get();
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    thread_.Reset();
}

} // namespace pelaconf
