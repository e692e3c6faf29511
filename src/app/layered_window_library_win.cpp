#include "app/layered_window_library_win.h"

#include "win/module_function.h"

namespace pelaconf {
namespace {

using SetLayeredWindowAttributesFunction = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

SetLayeredWindowAttributesFunction FindFunction(HMODULE user32) {
    return ModuleFunction<SetLayeredWindowAttributesFunction>(user32, "SetLayeredWindowAttributes");
}

} // namespace

LayeredWindowLibrary::LayeredWindowLibrary() : user32_(LoadLibraryW(L"user32.dll")) {
    if (FindFunction(user32_.Get()) == nullptr) {
        user32_.Reset();
    }
}

bool LayeredWindowLibrary::SetOpacity(HWND window, BYTE alpha) const {
    const auto setAttributes = FindFunction(user32_.Get());
    if (setAttributes == nullptr) {
        return false;
    }
    // Changing the style sends messages to the window's thread; do it only once.
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
    if ((style & WS_EX_LAYERED) == 0) {
        SetWindowLongPtrW(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
    }
    return setAttributes(window, 0, alpha, LWA_ALPHA) != 0;
}

} // namespace pelaconf
