#include "app/application_win.h"
#include "win/handles.h"

#include <commctrl.h>
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // The shell's folder browser needs COM on this, the user-interface, thread.
    const pelaconf::ComApartment com;
    pelaconf::Application application;
    return application.Run(pelaconf::ProcessArguments());
}
