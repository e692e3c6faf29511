#pragma once
// The items of the wallpaper browser's tree: the root with its special folders and drives, a
// folder's entries, and the placeholder child that gives an unopened item its expand button.

#include "desktop/wallpaper_browser.h"
#include "win/handles.h"

#include <windows.h>

#include <commctrl.h>

#include <vector>

namespace pelaconf {

// The tree's image list at the DPI, by the browser's image indices.
UniqueImageList MakeBrowserImages(int dpi);

// Fills an empty tree with the root, the desktop, documents and wallpaper folder items and the
// drives, opens the root and selects it. Gives the wallpaper folder item.
HTREEITEM BuildBrowserTree(HWND tree, const std::vector<BrowserDrive>& drives);

// Shows the drive's display name on its item, once it has been asked.
void NameDriveItem(HWND tree, const std::string& root, const std::string& displayName);

void AddPlaceholder(HWND tree, HTREEITEM parent);

// Appends a folder's entries under its item, each that can be opened with a placeholder.
void FillBrowserFolder(HWND tree, HTREEITEM item, const std::vector<BrowserEntry>& entries);

// The label, image and drive number of an item.
BrowserItem BrowserItemOf(HWND tree, HTREEITEM handle);

} // namespace pelaconf
