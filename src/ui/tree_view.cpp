#include "ui/tree_view.h"

#include "ui/dpi.h"

#include <commctrl.h>

namespace pelaconf {
namespace {

constexpr int kBitmapSize = 16;

UniqueBitmap LoadBitmapResource(int bitmapId) {
    return UniqueBitmap(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
}

// The bitmap drawn at size x size. Each source pixel becomes a block of whole pixels, so that the
// mask colour stays exact and no fringe of it shows around the image.
UniqueBitmap ScaledBitmap(HBITMAP source, int size) {
    HDC screen = GetDC(nullptr);
    UniqueBitmap scaled(CreateCompatibleBitmap(screen, size, size));
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    const HGDIOBJ oldFrom = SelectObject(from, source);
    const HGDIOBJ oldTo = SelectObject(to, scaled.Get());
    SetStretchBltMode(to, COLORONCOLOR);
    StretchBlt(to, 0, 0, size, size, from, 0, 0, kBitmapSize, kBitmapSize, SRCCOPY);
    SelectObject(to, oldTo);
    SelectObject(from, oldFrom);
    DeleteDC(to);
    DeleteDC(from);
    ReleaseDC(nullptr, screen);
    return scaled;
}

} // namespace

UniqueImageList MakeTreeImageList(std::span<const int> bitmapIds, COLORREF maskColour, int dpi) {
    const int size = ScaleToDpi(kBitmapSize, dpi);
    UniqueImageList images(
        ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, static_cast<int>(bitmapIds.size()), 0));
    for (const int bitmapId : bitmapIds) {
        UniqueBitmap bitmap = LoadBitmapResource(bitmapId);
        if (size != kBitmapSize && bitmap.Get() != nullptr) {
            bitmap = ScaledBitmap(bitmap.Get(), size);
        }
        ImageList_AddMasked(images.Get(), bitmap.Get(), maskColour);
    }
    ImageList_SetBkColor(images.Get(), CLR_NONE);
    return images;
}

} // namespace pelaconf
