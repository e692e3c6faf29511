#pragma once
// The wallpaper browser page: a tree of the local computer that lists folders and image files, a
// preview of the selected image, and the button (or a double click on the image's label) that
// makes it the wallpaper with the other pages' current, unsaved values.

#include "desktop/browser_apply_win.h"
#include "desktop/browser_preview_win.h"
#include "desktop/drive_names_win.h"
#include "desktop/wait_window_win.h"
#include "desktop/wallpaper_browser.h"
#include "resource.h"
#include "ui/page_dialog.h"
#include "win/handles.h"

#include <commctrl.h>

#include <memory>
#include <optional>
#include <string>

namespace pelaconf {

// Posted to the page as each drive name asked on the fetching thread arrives.
inline constexpr UINT kDriveNameArrivedMessage = WM_APP + 2;

class WallpaperBrowserPage : public PageDialog {
public:
    WallpaperBrowserPage(BrowserServices services, std::unique_ptr<BrowserNeighbours> neighbours);

protected:
    bool OnInit() override;
    bool OnButtonClicked(int id) override;
    std::optional<LRESULT> OnNotify(const NMHDR& header) override;
    bool OnPaint() override;
    void OnShowWindow(bool shown) override;
    std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDpiChanged(int dpi) override;

private:
    HWND Tree() const { return Item(IDC_BROWSER_TREE); }
    void ShowTreeImages(int dpi);
    void BuildTree();
    std::optional<std::string> PathOf(HTREEITEM item, PathUse use);
    // Whether the system can open the path with `opened` appended; if not, tells the user, since
    // a path cut to fit would name another file.
    bool FitsSystem(const std::string& path, std::string_view opened);
    // True cancels the change.
    bool OnItemExpanding(const NMTREEVIEWW& change);
    bool Expand(HTREEITEM item);
    void Collapse(HTREEITEM item);
    void OnSelectionChanged(HTREEITEM item);
    // True when nothing is selected, which the tree's default handling is then kept from.
    bool OnDoubleClick();
    void SetAsWallpaper();
    // Applies the selected image; false when it failed and the user was told.
    bool ApplySelected();
    void ShowSelectedPath(const std::string& path);
    void RefreshSpecialFolders();
    void ForgetWallpaperBranch();

    BrowserServices services_;
    std::unique_ptr<BrowserNeighbours> neighbours_;
    BrowserPreview preview_;
    std::string selectedPath_;
    SpecialFolders folders_;
    HTREEITEM wallpaperItem_ = nullptr;
    UniqueImageList images_;
    WaitWindow wait_;
    DriveNameFetcher driveNames_;
};

} // namespace pelaconf
