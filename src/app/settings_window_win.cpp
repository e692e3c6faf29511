#include "app/settings_window_win.h"

#include "app/single_instance_win.h"
#include "resource.h"

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

} // namespace

SettingsWindow::SettingsWindow(SettingsRecord& record) : Dialog(IDD_SETTINGS), record_(record) {}

bool SettingsWindow::OnInit() {
    SetWindowIcons(Window());
    SetPropW(Window(), kSettingsWindowProperty, reinterpret_cast<HANDLE>(1));
    return true;
}

void SettingsWindow::OnOk() { End(IDOK); }

void SettingsWindow::OnCancel() { End(IDCANCEL); }

void SettingsWindow::OnDestroy() { RemovePropW(Window(), kSettingsWindowProperty); }

} // namespace pelaconf
