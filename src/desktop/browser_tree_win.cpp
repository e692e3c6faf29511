#include "desktop/browser_tree_win.h"

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

void AddDrives(HWND tree, HTREEITEM root, const std::vector<BrowserDrive>& drives) {
    for (const BrowserDrive& drive : drives) {
        AddPlaceholder(tree, InsertTreeItem(tree, root, drive.label, drive.image, drive.image, drive.number));
    }
}

} // namespace

UniqueImageList MakeBrowserImages(int dpi) { return MakeTreeImageList(kTreeBitmaps, kMaskColour, dpi); }

HTREEITEM BuildBrowserTree(HWND tree, const std::vector<BrowserDrive>& drives) {
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
    AddDrives(tree, root, drives);
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

void NameDriveItem(HWND tree, const std::string& root, const std::string& displayName) {
    const int number = DriveNumber(root);
    HTREEITEM top = TreeView_GetRoot(tree);
    for (HTREEITEM item = RelatedTreeItem(tree, top, TVGN_CHILD); item != nullptr && number != 0;
         item = RelatedTreeItem(tree, item, TVGN_NEXT)) {
        if (ReadTreeItem(tree, item).data == number) {
            SetTreeItemLabel(tree, item, DriveLabel(displayName, root));
            return;
        }
    }
}

BrowserItem BrowserItemOf(HWND tree, HTREEITEM handle) {
    const TreeItemData item = ReadTreeItem(tree, handle);
    return {item.label, item.image, static_cast<int>(item.data)};
}

} // namespace pelaconf
