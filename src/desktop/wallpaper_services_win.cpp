#include "desktop/wallpaper_services_win.h"

#include "desktop/desktop_windows_win.h"
#include "win/wide_text.h"

#include <windows.h>

#include <cstdlib>

namespace pelaconf {

Size Win32Desktop::ScreenSize() const { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

void Win32Desktop::SetWallpaperBitmap(const std::string& bitmapPath) {
    std::wstring path = Utf8ToWide(bitmapPath);
    const UINT update =
        FindActiveDesktopView() != nullptr ? SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE : SPIF_UPDATEINIFILE;
    SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, path.data(), update);
}

std::optional<Size> ImageObjectWallpaper::HeldImageSize() const {
    InfoHeaderBytes header{};
    if (image_.GetHeader(header) == 0) {
        return std::nullopt;
    }
    return Size{HeaderWidth(header), std::abs(HeaderHeight(header))}; // top-down images have negative heights
}

std::optional<std::string> ImageObjectPluginProbe::ReadImportFilter(const std::string& pluginPath) {
    image_.FreePlugin();
    PluginDescription description;
    if (image_.LoadPlugin(pluginPath) != 1 || image_.QueryPlugin(description) != kQueryImportFilter) {
        return std::nullopt;
    }
    return description.extensionFilter;
}

} // namespace pelaconf
