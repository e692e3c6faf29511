#include "app/application_win.h"
#include "win/handles.h"
#include "win/module_function.h"

#include <commctrl.h>
#include <windows.h>

namespace {

// Before anything can load a DLL: a drive without its medium fails quietly rather than with the
// system's "no disk" box, and every DLL loaded by name from now on (the ones loaded at their first
// call among them) comes from system32 only, never from the program's folder or the current
// folder, where a DLL of the same name may have been left.
void LockDownProcess() {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    pelaconf::SetDefaultDllDirectoriesWherePossible(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    LockDownProcess();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // The shell's folder browser needs COM on this, the user-interface, thread.
    const pelaconf::ComApartment com;
    pelaconf::Application application;
    return application.Run(pelaconf::ProcessArguments());
}
