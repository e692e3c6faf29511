#include "desktop/system_desktop_win.h"

#include "desktop/desktop_windows_win.h"
#include "win/wide_text.h"

#include <windows.h>

namespace pelaconf {

Size Win32Desktop::ScreenSize() const { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

bool Win32Desktop::SetWallpaperBitmap(const std::string& bitmapPath) {
    std::wstring path = Utf8ToWide(bitmapPath);
    const UINT update =
        FindActiveDesktopView() != nullptr ? SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE : SPIF_UPDATEINIFILE;
    return SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, path.data(), update) != FALSE;
}

} // namespace pelaconf
