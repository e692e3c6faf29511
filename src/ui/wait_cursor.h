#pragma once
// The wait cursor shown while the program works without answering the mouse.

#include <windows.h>

namespace pelaconf {

// Shows the wait cursor for as long as it lives.
class WaitCursor {
public:
    WaitCursor() : before_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(before_); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR before_;
};

} // namespace pelaconf
