#pragma once
// The keyboard as a person uses it: keys typed with SendInput go to whichever window has the
// focus, as the program under test set it, never to a window the test chose. Every wait is
// bounded.

#include "driver.h"

#include <windows.h>

#include <string>

namespace pelaconf::driver {

// Presses and releases the key, without waiting for its effect.
void Type(UINT virtualKey);
// Holds the modifier (VK_MENU, VK_SHIFT, VK_CONTROL) while the key is pressed and released.
void TypeWith(UINT modifier, UINT virtualKey);

// The window active now and the window with the keyboard focus (in the active window's thread);
// null when there is none.
HWND ActiveWindow();
HWND FocusedWindow();
// Whether the focus is on the control of the window (a page's control sits in its page).
bool FocusIsOn(HWND parent, int controlId);
// Waits until the focus is on a window other than `before`, and returns it; null when it stayed.
HWND WaitForFocusToLeave(HWND before);
// Presses Tab and returns the window that then holds the focus; null when the focus stayed.
HWND TabToNext();

// What a focused control is, for messages: "<parent id>/<control id> <class>".
std::string Describe(HWND control);

} // namespace pelaconf::driver
