// Stands in for Pelavine in the tests: records each command line it is started with as one
// UTF-8 line in a log beside itself named after the program (Pelavine.log), then ends. Copied
// under another name it stands in for another program the same way.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    std::wstring log(MAX_PATH * 4, L'\0');
    log.resize(GetModuleFileNameW(nullptr, log.data(), static_cast<DWORD>(log.size())));
    log = log.substr(0, log.rfind(L'.')) + L".log";

    const std::wstring commandLine = GetCommandLineW();
    std::string line(commandLine.size() * 3 + 2, '\0');
    line.resize(WideCharToMultiByte(CP_UTF8, 0, commandLine.data(), static_cast<int>(commandLine.size()), line.data(),
                                    static_cast<int>(line.size()), nullptr, nullptr));
    line += "\r\n";

    HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    DWORD written = 0;
    const bool ok = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    return ok ? 0 : 1;
}
