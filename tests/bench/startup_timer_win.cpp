// Measures how long programs take from their start until a window of theirs is visible: starts
// each the given number of times from the current folder, in turns, ends it each time, and
// prints a line per program with the median and the fastest run in milliseconds.
//   startup_timer.exe RUNS PROGRAM...
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD processId;
    bool found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && IsWindowVisible(window)) {
        search.found = true;
        return FALSE;
    }
    return TRUE;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One start; a negative result when the program could not be started or showed no window
// within 30 seconds.
double TimeOneStart(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER started, shown;
    QueryPerformanceCounter(&started);
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return -1;
    }
    Search search{process.dwProcessId, false};
    const ULONGLONG deadline = GetTickCount64() + 30000;
    while (!search.found && GetTickCount64() < deadline && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.found) {
            Sleep(1); // polling granularity, not synchronisation: the figure is only as fine as this
        }
    }
    QueryPerformanceCounter(&shown);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return search.found ? Milliseconds(started, shown) : -1;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fputs("usage: startup_timer RUNS PROGRAM...\n", stderr);
        return 2;
    }
    const int runs = std::max(1, _wtoi(argv[1]));
    std::vector<std::wstring> commandLines;
    for (int i = 2; i < argc; ++i) {
        commandLines.push_back(L"\"" + std::wstring(argv[i]) + L"\"");
    }
    for (const auto& commandLine : commandLines) {
        TimeOneStart(commandLine); // a first start warms the file cache and is not counted
    }
    // The programs take turns, so that a change in the machine's load falls on all of them.
    std::vector<std::vector<double>> times(commandLines.size());
    for (int run = 0; run < runs; ++run) {
        for (size_t program = 0; program < commandLines.size(); ++program) {
            const double time = TimeOneStart(commandLines[program]);
            if (time < 0) {
                std::fwprintf(stderr, L"startup_timer: %ls showed no window\n", argv[2 + program]);
                return 1;
            }
            times[program].push_back(time);
        }
    }
    for (auto& programTimes : times) {
        std::sort(programTimes.begin(), programTimes.end());
        std::printf("%.1f %.1f\n", programTimes[programTimes.size() / 2], programTimes.front());
    }
    return 0;
}
