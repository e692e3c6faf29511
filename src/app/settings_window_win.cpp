#include "app/settings_window_win.h"

#include "app/categories.h"
#include "app/single_instance_win.h"
#include "resource.h"
#include "ui/wide_text.h"

#include <commctrl.h>

namespace pelaconf {
namespace {

void SetWindowIcons(HWND window) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const auto load = [instance](int metricX, int metricY) {
        return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PELACONF), IMAGE_ICON,
                                             GetSystemMetrics(metricX), GetSystemMetrics(metricY), LR_SHARED));
    };
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(load(SM_CXICON, SM_CYICON)));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(load(SM_CXSMICON, SM_CYSMICON)));
}

HTREEITEM InsertTreeItem(HWND tree, HTREEITEM parent, std::string_view label) {
    const std::wstring text = Utf8ToWide(label);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<wchar_t*>(text.c_str());
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

} // namespace

SettingsWindow::SettingsWindow(SettingsRecord& record) : Dialog(IDD_SETTINGS), record_(record) {}

bool SettingsWindow::OnInit() {
    SetWindowIcons(Window());
    SetPropW(Window(), kSettingsWindowProperty, reinterpret_cast<HANDLE>(1));
    BuildCategoryTree();
    return true;
}

// Top-level categories in order, each followed by its children; the parents shown expanded.
void SettingsWindow::BuildCategoryTree() {
    const HWND tree = Item(IDC_CATEGORY_TREE);
    const auto& categories = Categories();
    for (int index = 0; index < kCategoryCount; ++index) {
        const int parent = categories[index].parentIndex;
        treeItems_[index] = InsertTreeItem(tree, parent < 0 ? TVI_ROOT : treeItems_[parent], categories[index].label);
        if (parent >= 0) {
            SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(treeItems_[parent]));
        }
    }
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(treeItems_[0]));
}

void SettingsWindow::OnOk() { End(IDOK); }

void SettingsWindow::OnCancel() { End(IDCANCEL); }

void SettingsWindow::OnDestroy() { RemovePropW(Window(), kSettingsWindowProperty); }

} // namespace pelaconf
