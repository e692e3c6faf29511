// Measures how long programs take from their start until a window of theirs is visible, and
// until that window holds all its child dialogs: starts each the given number of times from the
// current folder, in turns, ends it each time, and prints a line per program with the median and
// the fastest run in milliseconds of each ("visible median, fastest, complete median, fastest").
//   startup_timer.exe RUNS PROGRAM[=CHILD_DIALOGS]...
// A program without a count is complete once it is visible.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && IsWindowVisible(window)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

int ChildDialogCount(HWND window) {
    int count = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[16] = {};
        GetClassNameW(child, name, 16);
        count += std::wcscmp(name, L"#32770") == 0 ? 1 : 0;
    }
    return count;
}

struct Program {
    std::wstring commandLine;
    int childDialogs; // when the window is complete; 0 when it is complete once visible
};

struct Times {
    double visible;
    double complete;
};

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Waits until the condition holds, the program ends or 30 seconds pass; whether it held.
template <typename Condition> bool WaitFor(HANDLE process, Condition condition) {
    const ULONGLONG deadline = GetTickCount64() + 30000;
    while (!condition()) {
        if (GetTickCount64() >= deadline || WaitForSingleObject(process, 0) != WAIT_TIMEOUT) {
            return false;
        }
        Sleep(1); // polling granularity, not synchronisation: the figures are only as fine as this
    }
    return true;
}

// One start; negative times when the program could not be started or did not get that far.
Times TimeOneStart(const Program& program) {
    std::wstring commandLine = program.commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER started, shown, complete;
    QueryPerformanceCounter(&started);
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return {-1, -1};
    }
    Search search{process.dwProcessId, nullptr};
    const bool visible = WaitFor(process.hProcess, [&] {
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    });
    QueryPerformanceCounter(&shown);
    // The last child may still be filling itself: once the window answers a message, it is done.
    DWORD_PTR answer = 0;
    const bool completed =
        visible && WaitFor(process.hProcess, [&] { return ChildDialogCount(search.found) >= program.childDialogs; }) &&
        SendMessageTimeoutW(search.found, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &answer) != 0;
    QueryPerformanceCounter(&complete);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {visible ? Milliseconds(started, shown) : -1, completed ? Milliseconds(started, complete) : -1};
}

void PrintMedianAndFastest(std::vector<double>& times) {
    std::sort(times.begin(), times.end());
    std::printf("%.1f %.1f", times[times.size() / 2], times.front());
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fputs("usage: startup_timer RUNS PROGRAM[=CHILD_DIALOGS]...\n", stderr);
        return 2;
    }
    const int runs = std::max(1, _wtoi(argv[1]));
    std::vector<Program> programs;
    for (int i = 2; i < argc; ++i) {
        const std::wstring argument = argv[i];
        const size_t equals = argument.find(L'=');
        const int childDialogs = equals == std::wstring::npos ? 0 : _wtoi(argument.c_str() + equals + 1);
        programs.push_back({L"\"" + argument.substr(0, equals) + L"\"", childDialogs});
    }
    for (const auto& program : programs) {
        TimeOneStart(program); // a first start warms the file cache and is not counted
    }
    // The programs take turns, so that a change in the machine's load falls on all of them.
    std::vector<std::vector<double>> visible(programs.size()), complete(programs.size());
    for (int run = 0; run < runs; ++run) {
        for (size_t program = 0; program < programs.size(); ++program) {
            const Times times = TimeOneStart(programs[program]);
            if (times.visible < 0 || times.complete < 0) {
                std::fwprintf(stderr, L"startup_timer: %ls showed no complete window\n", argv[2 + program]);
                return 1;
            }
            visible[program].push_back(times.visible);
            complete[program].push_back(times.complete);
        }
    }
    for (size_t program = 0; program < programs.size(); ++program) {
        PrintMedianAndFastest(visible[program]);
        std::printf(" ");
        PrintMedianAndFastest(complete[program]);
        std::printf("\n");
    }
    return 0;
}
