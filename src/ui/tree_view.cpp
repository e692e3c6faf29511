#include "ui/tree_view.h"

#include "ui/dpi.h"
#include "win/gdi_scopes.h"
#include "win/wide_text.h"

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
    const WindowDc screen(nullptr);
    UniqueBitmap scaled(CreateCompatibleBitmap(screen.Get(), size, size));
    const UniqueMemoryDc from(CreateCompatibleDC(screen.Get()));
    const UniqueMemoryDc to(CreateCompatibleDC(screen.Get()));
    {
        const SelectedObject fromSource(from.Get(), source);
        const SelectedObject toScaled(to.Get(), scaled.Get());
        SetStretchBltMode(to.Get(), COLORONCOLOR);
        StretchBlt(to.Get(), 0, 0, size, size, from.Get(), 0, 0, kBitmapSize, kBitmapSize, SRCCOPY);
    }
    return scaled;
}

} // namespace

HTREEITEM InsertTreeItem(HWND tree, HTREEITEM parent, std::string_view label, int image, int selectedImage,
                         LPARAM data) {
    const std::wstring text = Utf8ToWide(label);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<wchar_t*>(text.c_str());
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    insert.item.lParam = data;
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

void SetTreeItemLabel(HWND tree, HTREEITEM item, std::string_view label) {
    const std::wstring text = Utf8ToWide(label);
    TVITEMW change{};
    change.mask = TVIF_TEXT;
    change.hItem = item;
    change.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(tree, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change));
}

TreeItemData ReadTreeItem(HWND tree, HTREEITEM handle) {
    wchar_t text[MAX_PATH] = {};
    TVITEMW item{};
    item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_HANDLE;
    item.hItem = handle;
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return {WideToUtf8(text), item.iImage, item.iSelectedImage, item.lParam};
}

HTREEITEM RelatedTreeItem(HWND tree, HTREEITEM item, UINT relation) {
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

bool IsBelowInTree(HWND tree, HTREEITEM item, HTREEITEM ancestor) {
    for (HTREEITEM above = RelatedTreeItem(tree, item, TVGN_PARENT); above != nullptr;
         above = RelatedTreeItem(tree, above, TVGN_PARENT)) {
        if (above == ancestor) {
            return true;
        }
    }
    return false;
}

void DeleteTreeChildren(HWND tree, HTREEITEM item) {
    HTREEITEM last = nullptr;
    for (HTREEITEM child = RelatedTreeItem(tree, item, TVGN_CHILD); child != nullptr;
         child = RelatedTreeItem(tree, child, TVGN_NEXT)) {
        last = child;
    }
    while (last != nullptr) {
        HTREEITEM previous = RelatedTreeItem(tree, last, TVGN_PREVIOUS);
        TreeView_DeleteItem(tree, last);
        last = previous;
    }
}

UniqueImageList MakeTreeImageList(std::span<const int> bitmapIds, COLORREF maskColour, int dpi) {
    const int size = ScaleToDpi(kBitmapSize, dpi);
    UniqueImageList images(ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, static_cast<int>(bitmapIds.size()), 0));
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
