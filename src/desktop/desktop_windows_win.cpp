#include "desktop/desktop_windows_win.h"

#include <commctrl.h>

namespace pelaconf {
namespace {

HWND FindDesktopChild(const wchar_t* className) {
    HWND programManager = FindProgramManager();
    if (programManager == nullptr) {
        return nullptr;
    }
    HWND view = FindWindowExW(programManager, nullptr, L"SHELLDLL_DefView", nullptr);
    return view == nullptr ? nullptr : FindWindowExW(view, nullptr, className, nullptr);
}

void ClearTextBackground(HWND listView) {
    if (static_cast<COLORREF>(SendMessageW(listView, LVM_GETTEXTBKCOLOR, 0, 0)) != CLR_NONE) {
        SendMessageW(listView, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(CLR_NONE));
        InvalidateRect(listView, nullptr, TRUE);
    }
}

} // namespace

HWND FindProgramManager() { return FindWindowW(L"Progman", L"Program Manager"); }

HWND FindDesktopListView() { return FindDesktopChild(L"SysListView32"); }

HWND FindActiveDesktopView() { return FindDesktopChild(L"Internet Explorer_Server"); }

void MakeIconLabelsTransparent(int repeat) {
    HWND listView = FindDesktopListView();
    if (listView == nullptr) {
        return;
    }
    const DWORD start = GetTickCount();
    ClearTextBackground(listView);
    // The shell may repaint the labels opaque right after a wallpaper change; keep checking briefly.
    while (repeat != 0) {
        Sleep(50);
        if (GetTickCount() - start >= 200) {
            break;
        }
        ClearTextBackground(listView);
    }
}

} // namespace pelaconf
