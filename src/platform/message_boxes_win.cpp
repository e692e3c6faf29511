#include "platform/message_boxes_win.h"

#include "win/wide_text.h"

#include <windows.h>

namespace pelaconf {
namespace {

constexpr wchar_t kProgramTitle[] = L"Pelaconf";

UINT StyleOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning: return MB_OK | MB_ICONWARNING;
    case MessageKind::Error: return MB_OK | MB_ICONERROR;
    case MessageKind::Information: return MB_OK | MB_ICONINFORMATION;
    case MessageKind::Question: return MB_YESNO | MB_ICONQUESTION;
    }
    return MB_OK;
}

} // namespace

MessageAnswer Win32MessageBoxes::Show(std::string_view text, MessageKind kind) {
    // A box with no window of ours to open over (the command line's, or one before the window)
    // comes to the front by itself, so that it never waits behind the program that started us.
    const HWND owner = GetActiveWindow();
    const UINT style = StyleOf(kind) | (owner == nullptr ? MB_SETFOREGROUND : 0);
    const int pressed = MessageBoxW(owner, Utf8ToWide(text).c_str(), kProgramTitle, style);
    switch (pressed) {
    case IDYES: return MessageAnswer::Yes;
    case IDNO: return MessageAnswer::No;
    default: return MessageAnswer::Ok;
    }
}

} // namespace pelaconf
