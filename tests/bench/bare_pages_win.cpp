// The second yardstick of the start-up benchmark: the settings window's own templates shown by a
// program that does nothing else. It runs the settings window's template modally and, while it
// initialises, creates every other child dialog template of the program's resources inside it,
// hidden, with a procedure that handles nothing. What Pelaconf takes beyond this program is its
// own work: reading and writing the settings file, filling the controls, the caption bar and the
// tree, the fade.
#include "resource.h"

#include <windows.h>

#include <commctrl.h>

namespace {

INT_PTR CALLBACK IgnoreEverything(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

bool IsChildTemplate(HINSTANCE instance, int id) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5)); // RT_DIALOG
    if (found == nullptr) {
        return false;
    }
    // DLGTEMPLATEEX: dlgVer, signature, helpID, exStyle, style.
    const auto* words = static_cast<const WORD*>(LockResource(LoadResource(instance, found)));
    const DWORD style = words[1] == 0xFFFF ? *reinterpret_cast<const DWORD*>(words + 6)
                                           : *reinterpret_cast<const DWORD*>(words);
    return (style & WS_CHILD) != 0;
}

void CreateEveryChildTemplate(HWND window) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    for (int id = 100; id < 200; ++id) {
        if (IsChildTemplate(instance, id)) {
            HWND page = CreateDialogParamW(instance, MAKEINTRESOURCEW(id), window, IgnoreEverything, 0);
            ShowWindow(page, SW_HIDE);
        }
    }
}

INT_PTR CALLBACK SettingsWindow(HWND window, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        CreateEveryChildTemplate(window);
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK)) {
        EndDialog(window, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_SETTINGS), nullptr, SettingsWindow, 0);
    return 0;
}
