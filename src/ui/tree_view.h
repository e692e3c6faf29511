#pragma once
// Tree-view helpers: items, their relations and their images.

#include "win/handles.h"

#include <windows.h>

#include <commctrl.h>

#include <span>
#include <string>
#include <string_view>

namespace pelaconf {

// An item appended under the parent (TVI_ROOT for the top level), with its images from the
// tree's image list and a value of its own.
HTREEITEM InsertTreeItem(HWND tree, HTREEITEM parent, std::string_view label, int image = 0, int selectedImage = 0,
                         LPARAM data = 0);

void SetTreeItemLabel(HWND tree, HTREEITEM item, std::string_view label);

// What an item holds: its label (up to MAX_PATH - 1 units), images and value.
struct TreeItemData {
    std::string label;
    int image = 0;
    int selectedImage = 0;
    LPARAM data = 0;
};
TreeItemData ReadTreeItem(HWND tree, HTREEITEM item);

// The item in the relation (TVGN_PARENT, TVGN_CHILD, TVGN_NEXT, TVGN_PREVIOUS) to the item, or null.
HTREEITEM RelatedTreeItem(HWND tree, HTREEITEM item, UINT relation);
// Whether the item lies anywhere below the ancestor.
bool IsBelowInTree(HWND tree, HTREEITEM item, HTREEITEM ancestor);
// Deletes the item's children, from the last to the first: a tree lays out again what follows a
// deleted item, and after the last child little does.
void DeleteTreeChildren(HWND tree, HTREEITEM item);

// Turns a window's drawing off while it lives: a tree of thousands of items is filled or emptied
// once, not drawn again for every item.
class FrozenRedraw {
public:
    explicit FrozenRedraw(HWND window) : window_(window) { SendMessageW(window_, WM_SETREDRAW, FALSE, 0); }
    ~FrozenRedraw() {
        SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(window_, nullptr, TRUE);
    }
    FrozenRedraw(const FrozenRedraw&) = delete;
    FrozenRedraw& operator=(const FrozenRedraw&) = delete;

private:
    HWND window_;
};

// An image list of the bitmap resources, in order, at the small-icon size of the DPI: 16 x 16
// bitmaps, drawn larger pixel for pixel above 96 DPI. The mask colour is transparent.
UniqueImageList MakeTreeImageList(std::span<const int> bitmapIds, COLORREF maskColour, int dpi);

} // namespace pelaconf
