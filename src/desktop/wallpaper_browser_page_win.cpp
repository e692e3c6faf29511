#include "desktop/wallpaper_browser_page_win.h"

#include "desktop/browser_tree_win.h"
#include "desktop/system_name_order_win.h"
#include "platform/drives_win.h"
#include "platform/file_system.h"
#include "platform/message_boxes.h"
#include "platform/special_folders_win.h"
#include "ui/controls.h"
#include "ui/dpi.h"
#include "ui/tree_view.h"
#include "ui/wait_cursor.h"
#include "win/gdi_scopes.h"
#include "win/wide_text.h"

#include <shlobj.h>

#include <vector>

namespace pelaconf {
namespace {

ScreenBox ScreenBoxOf(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

} // namespace

WallpaperBrowserPage::WallpaperBrowserPage(BrowserServices services, std::unique_ptr<BrowserNeighbours> neighbours)
    : PageDialog(IDD_WALLPAPER_BROWSER), services_(services), neighbours_(std::move(neighbours)) {}

bool WallpaperBrowserPage::OnInit() {
    wait_.CreateHidden(GetAncestor(Window(), GA_ROOT));
    BuildTree();
    SetItemText(Window(), IDC_HELP_TEXT, kBrowserHelpText);
    return true;
}

void WallpaperBrowserPage::ShowTreeImages(int dpi) {
    images_ = MakeBrowserImages(dpi);
    SendMessageW(Tree(), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images_.Get()));
}

void WallpaperBrowserPage::OnDpiChanged(int dpi) { ShowTreeImages(dpi); }

void WallpaperBrowserPage::BuildTree() {
    ShowTreeImages(Dpi());
    const std::vector<BrowserDrive> drives = ListBrowserDrives(Win32DriveSource());
    wallpaperItem_ = BuildBrowserTree(Tree(), drives);
    std::vector<std::string> askedLater;
    for (const BrowserDrive& drive : drives) {
        if (drive.nameLater) {
            askedLater.push_back(drive.root);
        }
    }
    driveNames_.Start(std::move(askedLater), Window(), kDriveNameArrivedMessage);
}

std::optional<std::string> WallpaperBrowserPage::PathOf(HTREEITEM item, PathUse use) {
    HTREEITEM root = TreeView_GetRoot(Tree());
    std::vector<BrowserItem> fromTop;
    for (HTREEITEM step = item; step != root; step = RelatedTreeItem(Tree(), step, TVGN_PARENT)) {
        if (step == nullptr) {
            return std::nullopt;
        }
        fromTop.insert(fromTop.begin(), BrowserItemOf(Tree(), step));
    }
    return ItemPath(fromTop, folders_, use);
}

bool WallpaperBrowserPage::FitsSystem(const std::string& path, std::string_view opened) {
    if (PathFitsSystem(path + std::string(opened))) {
        return true;
    }
    services_.messages.Show(path + kPathTooLongSuffix, MessageKind::Warning);
    return false;
}

bool WallpaperBrowserPage::OnItemExpanding(const NMTREEVIEWW& change) {
    const WaitCursor waiting;
    const QuietDriveErrors quiet;
    HTREEITEM item = change.itemNew.hItem;
    if (item == nullptr) {
        return true;
    }
    if (item == TreeView_GetRoot(Tree())) {
        return false;
    }
    if (RelatedTreeItem(Tree(), item, TVGN_PARENT) == nullptr) {
        return true;
    }
    if ((TreeView_GetItemState(Tree(), item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0) {
        Collapse(item);
        return false;
    }
    return Expand(item);
}

void WallpaperBrowserPage::Collapse(HTREEITEM item) {
    if (IsBelowInTree(Tree(), TreeView_GetSelection(Tree()), item)) {
        TreeView_SelectItem(Tree(), item);
    }
    const FrozenRedraw frozen(Tree());
    DeleteTreeChildren(Tree(), item);
    AddPlaceholder(Tree(), item);
}

bool WallpaperBrowserPage::Expand(HTREEITEM item) {
    const auto path = PathOf(item, PathUse::Expanding);
    if (!path || !FitsSystem(*path, "*")) {
        return true;
    }
    const bool topLevel = RelatedTreeItem(Tree(), item, TVGN_PARENT) == TreeView_GetRoot(Tree());
    if (!FileExists(services_.files, *path)) {
        if (topLevel) {
            services_.messages.Show(*path + kDriveNotReadySuffix, MessageKind::Error);
        } else {
            TreeView_DeleteItem(Tree(), item); // its folder has gone
        }
        return true;
    }
    const std::vector<BrowserEntry> entries =
        ListBrowsableEntries(services_.files, services_.record, *path, SystemNameOrder());
    if (HTREEITEM placeholder = RelatedTreeItem(Tree(), item, TVGN_CHILD)) {
        TreeView_DeleteItem(Tree(), placeholder);
    }
    if (entries.empty()) {
        if (topLevel) {
            AddPlaceholder(Tree(), item);
        }
        services_.messages.Show(kNoImagesMessage, MessageKind::Warning);
        return true;
    }
    FillBrowserFolder(Tree(), item, entries);
    return false;
}

void WallpaperBrowserPage::OnSelectionChanged(HTREEITEM item) {
    const WaitCursor waiting;
    const QuietDriveErrors quiet;
    preview_.Hide();
    const RECT frame = ItemRectangle(Window(), IDC_BROWSER_PREVIEW);
    InvalidateRect(Window(), &frame, TRUE);
    if (item == nullptr) {
        return;
    }
    if (item == TreeView_GetRoot(Tree())) {
        ShowSelectedPath("");
        return;
    }
    if (RelatedTreeItem(Tree(), item, TVGN_PARENT) == nullptr) {
        return;
    }
    const auto path = PathOf(item, PathUse::Selecting);
    if (!path) {
        return;
    }
    ShowSelectedPath(*path);
    const TreeItemData facts = ReadTreeItem(Tree(), item);
    if (IsFileItem(facts.image, facts.selectedImage)) {
        if (FitsSystem(*path, "")) {
            preview_.Show(services_.record, services_.messages, *path);
        }
    } else {
        preview_.Release();
    }
}

void WallpaperBrowserPage::ShowSelectedPath(const std::string& path) {
    selectedPath_ = path;
    SetItemText(Window(), IDC_BROWSER_PATH, selectedPath_);
}

bool WallpaperBrowserPage::OnPaint() {
    const PaintScope paint(Window());
    preview_.Paint(paint.Dc(), ItemRectangle(Window(), IDC_BROWSER_PREVIEW));
    return true;
}

bool WallpaperBrowserPage::OnDoubleClick() {
    HTREEITEM selected = TreeView_GetSelection(Tree());
    if (selected == nullptr) {
        return true;
    }
    RECT treeWindow{};
    GetWindowRect(Tree(), &treeWindow);
    RECT label{};
    if (!TreeView_GetItemRect(Tree(), selected, &label, TRUE)) {
        return false;
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    if (DoubleClickAppliesWallpaper(ScreenBoxOf(treeWindow), ScreenBoxOf(label), cursor.x, cursor.y)) {
        SetAsWallpaper();
    }
    return false;
}

void WallpaperBrowserPage::SetAsWallpaper() {
    if (!preview_.Ready() || services_.wallpaper == nullptr) {
        return;
    }
    const WaitCursor waiting;
    const QuietDriveErrors quiet;
    wait_.Show();
    ApplySelected();
    wait_.Hide();
}

bool WallpaperBrowserPage::ApplySelected() {
    selectedPath_ = GetItemText(Window(), IDC_BROWSER_PATH);
    return ApplyBrowserImage(selectedPath_, services_, *neighbours_, wait_);
}

void WallpaperBrowserPage::RefreshSpecialFolders() {
    folders_.desktop = SpecialFolderPath(CSIDL_DESKTOP);
    folders_.documents = SpecialFolderPath(CSIDL_PERSONAL);
    std::string wallpaper = neighbours_->WallpaperFolder();
    if (wallpaper != folders_.wallpaper) {
        folders_.wallpaper = std::move(wallpaper);
        ForgetWallpaperBranch();
    }
}

// An opened wallpaper folder item lists the folder it was opened on; under another folder its
// children, and the path of a selection among them, would name other files.
void WallpaperBrowserPage::ForgetWallpaperBranch() {
    if (wallpaperItem_ == nullptr) {
        return;
    }
    const bool branchSelected = TreeView_GetSelection(Tree()) == wallpaperItem_;
    // Emptied first, so that a selection below the item moves up to it with a notification; a
    // tree told to collapse may move it silently, and need not ask this page either.
    Collapse(wallpaperItem_);
    TreeView_Expand(Tree(), wallpaperItem_, TVE_COLLAPSE);
    if (branchSelected) {
        OnSelectionChanged(wallpaperItem_); // its path is the new folder's
    }
}

bool WallpaperBrowserPage::OnButtonClicked(int id) {
    if (id == IDC_BROWSER_APPLY) {
        SetAsWallpaper();
        return true;
    }
    return false;
}

std::optional<LRESULT> WallpaperBrowserPage::OnNotify(const NMHDR& header) {
    if (header.idFrom != IDC_BROWSER_TREE) {
        return std::nullopt;
    }
    switch (header.code) {
    case TVN_ITEMEXPANDINGW: return OnItemExpanding(reinterpret_cast<const NMTREEVIEWW&>(header)) ? TRUE : FALSE;
    case TVN_SELCHANGEDW: OnSelectionChanged(reinterpret_cast<const NMTREEVIEWW&>(header).itemNew.hItem); return 0;
    case NM_DBLCLK: // the tree still takes its own double click, unless nothing is selected
        return OnDoubleClick() ? std::optional<LRESULT>(1) : std::nullopt;
    default: return std::nullopt;
    }
}

void WallpaperBrowserPage::OnShowWindow(bool shown) {
    if (shown) {
        RefreshSpecialFolders();
    }
}

std::optional<INT_PTR> WallpaperBrowserPage::OnMessage(UINT message, WPARAM, LPARAM) {
    if (message == kDriveNameArrivedMessage) {
        for (const ArrivedDriveName& arrived : driveNames_.TakeArrived()) {
            NameDriveItem(Tree(), arrived.root, arrived.displayName);
        }
        return TRUE;
    }
    return std::nullopt;
}

} // namespace pelaconf
