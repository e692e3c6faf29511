// The plug-in host program: serves one Susie plug-in to Pelaconf over the pipe whose handle its
// command line names. Its standard handles lead nowhere, so that a plug-in that prints, reads
// standard input or closes them never touches the pipe. A plug-in that faults ends only this
// process, without a system error box; so does the end of Pelaconf, whose process the host watches.
#include "susie/host_command_line.h"
#include "susie/plugin_host_win.h"
#include "win/module_function.h"
#include "win/wide_text.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

namespace {

LONG WINAPI EndOnFault(EXCEPTION_POINTERS* fault) {
    TerminateProcess(GetCurrentProcess(), fault->ExceptionRecord->ExceptionCode);
    return EXCEPTION_EXECUTE_HANDLER;
}

// From now on only the program's folder and the system's are searched for the DLLs that modules
// need, not the current folder.
void LeaveCurrentFolderOutOfDllSearch() {
    pelaconf::SetDefaultDllDirectoriesWherePossible(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
}

// Standard input, output and error, for the system and for the C runtime, become the NUL device.
void LeadStandardHandlesNowhere() {
    for (const DWORD which : {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE}) {
        const HANDLE nul = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, 0, nullptr);
        SetStdHandle(which, nul);
    }
    const int nul = _open("NUL", _O_RDWR | _O_BINARY);
    if (nul >= 0) {
        for (int descriptor = 0; descriptor <= 2; ++descriptor) {
            _dup2(nul, descriptor);
        }
        if (nul > 2) {
            _close(nul);
        }
    }
}

// Neither handle goes on to a process a plug-in starts.
HANDLE Adopt(uint64_t value) {
    const HANDLE handle = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(value));
    SetHandleInformation(handle, HANDLE_FLAG_INHERIT, 0);
    return handle;
}

DWORD WINAPI EndWithPelaconf(void* pelaconf) {
    WaitForSingleObject(static_cast<HANDLE>(pelaconf), INFINITE);
    TerminateProcess(GetCurrentProcess(), 1);
    return 0;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
    LeaveCurrentFolderOutOfDllSearch();
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    SetUnhandledExceptionFilter(EndOnFault);
    LeadStandardHandlesNowhere();
    const std::optional<pelaconf::HostHandles> handles =
        pelaconf::ParseHostArguments(pelaconf::WideToUtf8(arguments != nullptr ? arguments : L""));
    if (!handles) {
        return 2;
    }
    const HANDLE pipe = Adopt(handles->pipe);
    if (handles->parent) {
        const HANDLE watcher = CreateThread(nullptr, 0, EndWithPelaconf, Adopt(*handles->parent), 0, nullptr);
        if (watcher == nullptr) {
            return 3;
        }
        CloseHandle(watcher);
    }
    return pelaconf::ServePluginRequests(pipe, pipe);
}
