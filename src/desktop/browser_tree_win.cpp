#include "desktop/browser_tree_win.h"

#include "platform/drives_win.h"
#include "resource.h"
#include "ui/tree_view.h"

#include <utility>

namespace pelaconf {
namespace {

// The bitmaps of the tree's image list, by image index.
constexpr int kTreeBitmaps[kBrowserImageCount] = {
    IDB_TREE_ROOT,   IDB_TREE_FIXED,   IDB_TREE_CDROM,     IDB_TREE_REMOVABLE, IDB_TREE_FOLDER_SELECTED,
    IDB_TREE_FOLDER, IDB_TREE_DESKTOP, IDB_TREE_DOCUMENTS, IDB_TREE_BMP_FILE,  IDB_TREE_IMAGE_FILE,
};
constexpr COLORREF kMaskColour = RGB(255, 0, 255);

void AddDrives(HWND tree, HTREEITEM root) {
    for (const DriveRoot& drive : ListDriveRoots()) {
        const int number = DriveNumber(drive.path);
        const auto image = DriveImage(drive.type);
        if (number == 0 || !image) {
            continue;
        }
        AddPlaceholder(tree, InsertTreeItem(tree, root, drive.label, *image, *image, number));
    }
}

} // namespace

UniqueImageList MakeBrowserImages(int dpi) { return MakeTreeImageList(kTreeBitmaps, kMaskColour, dpi); }

HTREEITEM BuildBrowserTree(HWND tree) {
    HTREEITEM root = InsertTreeItem(tree, TVI_ROOT, kBrowserRootLabel, kImageRoot, kImageRoot);
    const std::pair<const char*, int> specialFolders[] = {
        {kBrowserDesktopLabel, kImageDesktop},
        {kBrowserDocumentsLabel, kImageDocuments},
        {kBrowserWallpaperFolderLabel, kImageFolder},
    };
    HTREEITEM wallpaperItem = nullptr;
    for (const auto& [label, image] : specialFolders) {
        const int selectedImage = image == kImageFolder ? kImageFolderSelected : image;
        HTREEITEM item = InsertTreeItem(tree, root, label, image, selectedImage);
        AddPlaceholder(tree, item);
        if (image == kImageFolder) {
            wallpaperItem = item;
        }
    }
    AddDrives(tree, root);
    TreeView_Expand(tree, root, TVE_EXPAND);
    TreeView_SelectItem(tree, root);
    return wallpaperItem;
}

void AddPlaceholder(HWND tree, HTREEITEM parent) { InsertTreeItem(tree, parent, kPlaceholderLabel, 0, 0); }

void FillBrowserFolder(HWND tree, HTREEITEM item, const std::vector<BrowserEntry>& entries) {
    const FrozenRedraw frozen(tree);
    for (const BrowserEntry& entry : entries) {
        const int selectedImage = entry.isFolder ? kImageFolderSelected : entry.image;
        HTREEITEM added = InsertTreeItem(tree, item, entry.name, entry.image, selectedImage);
        if (entry.expandable) {
            AddPlaceholder(tree, added);
        }
    }
}

BrowserItem BrowserItemOf(HWND tree, HTREEITEM handle) {
    const TreeItemData item = ReadTreeItem(tree, handle);
    return {item.label, item.image, static_cast<int>(item.data)};
}

} // namespace pelaconf
