#pragma once
// Layered windows, looked up at run time: where user32.dll lacks SetLayeredWindowAttributes,
// fading and translucency are simply unavailable.

#include "win/handles.h"

#include <windows.h>

namespace pelaconf {

class LayeredWindowLibrary {
public:
    LayeredWindowLibrary();

    bool Available() const { return static_cast<bool>(user32_); }
    // Makes the window layered and sets its opacity (0 to 255); false when unavailable.
    bool SetOpacity(HWND window, BYTE alpha) const;

private:
    UniqueModule user32_;
};

} // namespace pelaconf
