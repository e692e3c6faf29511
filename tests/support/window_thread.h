#pragma once
// Windows of the test's own on a thread of their own, which answers their messages while the test
// waits: the program under test sends them messages, and activation needs an answer.

#include "driver.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>
#include <utility>

namespace pelaconf::driver {

class WindowThread {
public:
    // make: creates the windows on the thread and returns the one the test works with; its
    // top-level window is destroyed with this object.
    explicit WindowThread(std::function<HWND()> make) : make_(std::move(make)) {
        thread_ = std::thread([this] { Run(); });
        WaitUntil([this] { return window_.load() != nullptr; });
    }
    ~WindowThread() {
        PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        thread_.join();
    }
    WindowThread(const WindowThread&) = delete;
    WindowThread& operator=(const WindowThread&) = delete;

    HWND Window() const { return window_.load(); }

private:
    void Run() {
        threadId_ = GetCurrentThreadId();
        const HWND window = make_();
        window_ = window;
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            DispatchMessageW(&message);
        }
        DestroyWindow(GetAncestor(window, GA_ROOT));
    }

    std::function<HWND()> make_;
    std::thread thread_;
    std::atomic<DWORD> threadId_ = 0;
    std::atomic<HWND> window_ = nullptr;
};

} // namespace pelaconf::driver
