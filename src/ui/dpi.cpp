#include "ui/dpi.h"

#include "win/module_function.h"

#include <map>
#include <utility>

namespace pelaconf {

int WindowDpi(HWND window) {
    // GetDpiForWindow exists from Windows 10 on; older systems have one DPI for every window.
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = SystemFunction<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDesignDpi;
}

HICON SmallIconForDpi(int iconId, int dpi) { return IconForDpi(iconId, 16, dpi); }

HICON IconForDpi(int iconId, int sizeAt96, int dpi) {
    // Icons of sizes other than the system's own cannot be shared with LR_SHARED, so the program
    // keeps them; there are a handful of icons and sizes at most.
    static std::map<std::pair<int, int>, HICON> loaded;
    const int size = ScaleToDpi(sizeAt96, dpi);
    auto [place, isNew] = loaded.try_emplace({iconId, size}, nullptr);
    if (isNew) {
        place->second = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    }
    return place->second;
}

} // namespace pelaconf
