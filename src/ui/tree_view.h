#pragma once
// Tree-view helpers shared by the program's trees.

#include "win/handles.h"

#include <windows.h>

#include <span>

namespace pelaconf {

// An image list of the bitmap resources, in order, at the small-icon size of the DPI: 16 x 16
// bitmaps, drawn larger pixel for pixel above 96 DPI. The mask colour is transparent.
UniqueImageList MakeTreeImageList(std::span<const int> bitmapIds, COLORREF maskColour, int dpi);

} // namespace pelaconf
