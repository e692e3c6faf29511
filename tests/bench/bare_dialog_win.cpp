// A bare dialog program, the yardstick for the settings window's start-up time: one empty modal
// dialog of the settings window's size and font, built in memory, and nothing else.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace {

void AppendWideString(std::vector<uint16_t>& words, const wchar_t* text) {
    do {
        words.push_back(static_cast<uint16_t>(*text));
    } while (*text++ != L'\0');
}

std::vector<uint16_t> EmptyDialogTemplate() {
    std::vector<uint16_t> words;
    DLGTEMPLATE header{};
    header.style = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_CENTER;
    header.cx = 343;
    header.cy = 240;
    const auto* raw = reinterpret_cast<const uint16_t*>(&header);
    words.assign(raw, raw + sizeof header / sizeof(uint16_t));
    words.push_back(0); // no menu
    words.push_back(0); // the standard dialog class
    AppendWideString(words, L"Bare dialog");
    words.push_back(9); // point size
    AppendWideString(words, L"ＭＳ Ｐゴシック");
    return words;
}

INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
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
    const std::vector<uint16_t> dialog = EmptyDialogTemplate();
    DialogBoxIndirectParamW(instance, reinterpret_cast<const DLGTEMPLATE*>(dialog.data()), nullptr, Procedure, 0);
    return 0;
}
