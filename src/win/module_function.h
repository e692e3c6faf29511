#pragma once
// Functions looked up by name at run time: calls that not every supported Windows has, and the
// exports of a plug-in. Each is null when the module lacks it.

#include <windows.h>

namespace pelaconf {

template <typename Function> Function ModuleFunction(HMODULE module, const char* name) {
    return module == nullptr ? nullptr
                             : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// A function of a system DLL the process has loaded already (kernel32, user32).
template <typename Function> Function SystemFunction(const wchar_t* dllName, const char* name) {
    return ModuleFunction<Function>(GetModuleHandleW(dllName), name);
}

// Restricts where DLLs loaded by name are looked for, where the system can (Windows 7 without its
// loader update cannot, and keeps the search it has).
inline void SetDefaultDllDirectoriesWherePossible(DWORD directories) {
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    if (const auto set =
            SystemFunction<SetDefaultDllDirectoriesFunction>(L"kernel32.dll", "SetDefaultDllDirectories")) {
        set(directories);
    }
}

} // namespace pelaconf
