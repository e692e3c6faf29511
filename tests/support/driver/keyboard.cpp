#include "keyboard.h"

#include "win/wide_text.h"

#include <array>

namespace pelaconf::driver {
namespace {

// The keys of a keyboard's own navigation block, which arrive with the extended flag; without it
// they would be the number pad's keys of the same scan codes.
bool IsExtendedKey(UINT virtualKey) {
    return (virtualKey >= VK_PRIOR && virtualKey <= VK_DOWN) || virtualKey == VK_INSERT || virtualKey == VK_DELETE;
}

INPUT KeyInput(UINT virtualKey, DWORD flags) {
    if (IsExtendedKey(virtualKey)) {
        flags |= KEYEVENTF_EXTENDEDKEY;
    }
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(virtualKey);
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    return input;
}

GUITHREADINFO ForegroundThreadInfo() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(0, &info);
    return info;
}

} // namespace

void Type(UINT virtualKey) {
    std::array<INPUT, 2> keys{KeyInput(virtualKey, 0), KeyInput(virtualKey, KEYEVENTF_KEYUP)};
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}

void TypeWith(UINT modifier, UINT virtualKey) {
    std::array<INPUT, 4> keys{KeyInput(modifier, 0), KeyInput(virtualKey, 0), KeyInput(virtualKey, KEYEVENTF_KEYUP),
                              KeyInput(modifier, KEYEVENTF_KEYUP)};
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}

HWND ActiveWindow() { return ForegroundThreadInfo().hwndActive; }

HWND FocusedWindow() { return ForegroundThreadInfo().hwndFocus; }

bool FocusIsOn(HWND parent, int controlId) {
    const HWND focus = FocusedWindow();
    return focus != nullptr && GetParent(focus) == parent && GetDlgCtrlID(focus) == controlId;
}

HWND WaitForFocusToLeave(HWND before) {
    HWND now = nullptr;
    const bool left = WaitUntil([&] {
        now = FocusedWindow();
        return now != nullptr && now != before;
    });
    return left ? now : nullptr;
}

HWND TabToNext() {
    const HWND before = FocusedWindow();
    Type(VK_TAB);
    return WaitForFocusToLeave(before);
}

std::string Describe(HWND control) {
    if (control == nullptr) {
        return "(nothing)";
    }
    wchar_t name[64] = {};
    GetClassNameW(control, name, 64);
    std::string className;
    for (const wchar_t* c = name; *c != L'\0'; ++c) {
        className += static_cast<char>(*c < 128 ? *c : '?');
    }
    // The title of the window the control is in tells a message box that took the keyboard from
    // the dialog the test expected.
    const HWND root = GetAncestor(control, GA_ROOT);
    wchar_t title[256] = {};
    GetWindowTextW(root, title, 256);
    return std::to_string(GetDlgCtrlID(GetParent(control))) + "/" + std::to_string(GetDlgCtrlID(control)) + " " +
           className + " in \"" + WideToUtf8(title) + "\"";
}

} // namespace pelaconf::driver
