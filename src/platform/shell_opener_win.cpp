#include "platform/shell_opener_win.h"

#include "win/wide_text.h"

#include <windows.h>

#include <shellapi.h>

namespace pelaconf {

bool Win32ShellOpener::Open(std::string_view address) {
    const HINSTANCE result =
        ShellExecuteW(nullptr, L"open", Utf8ToWide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    // Values up to 32 are error codes.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace pelaconf
