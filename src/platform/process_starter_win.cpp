#include "platform/process_starter_win.h"

#include "win/wide_text.h"

#include <windows.h>

namespace pelaconf {

bool Win32ProcessStarter::Start(std::string_view commandLine) {
    std::wstring mutableCommandLine = Utf8ToWide(commandLine); // CreateProcessW may write to it
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, mutableCommandLine.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr,
                        nullptr, &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

} // namespace pelaconf
