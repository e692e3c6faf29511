#pragma once
// Pixel sizes at the window's DPI. Sizes are designed at 96 DPI (100 %) and scaled from there;
// the dialogs themselves scale through their fonts, these helpers cover what is drawn or sized
// in pixels: fonts made by hand, icons, image lists, lines.

#include <windows.h>

// Declared by the headers only for Windows 10 programs; the program runs on older systems too.
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

namespace pelaconf {

inline constexpr int kDesignDpi = 96;

// The DPI the window is drawn at: its own on systems that know DPI per window, the screen's
// otherwise.
int WindowDpi(HWND window);

// A length designed at 96 DPI, at the DPI; rounded to the nearest pixel.
inline int ScaleToDpi(int pixelsAt96, int dpi) { return MulDiv(pixelsAt96, dpi, kDesignDpi); }

// The program's icon resource at the small-icon size of the DPI (16 x 16 at 96 DPI), taken from
// the icon's nearest image. Each size is loaded once and kept for the life of the program.
HICON SmallIconForDpi(int iconId, int dpi);
// The same at another size designed at 96 DPI (32 for a large icon).
HICON IconForDpi(int iconId, int sizeAt96, int dpi);

} // namespace pelaconf
