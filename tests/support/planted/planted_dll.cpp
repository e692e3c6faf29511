// A DLL left beside a program under the name of a system DLL, as a downloads folder may hold one:
// when any process loads it, it writes "<its own name>-loaded.txt" beside itself, naming the
// program that loaded it, and refuses to stay loaded.
#include <windows.h>

#include <string>

namespace {

std::wstring ModulePath(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(module, path.data(), MAX_PATH));
    return path;
}

void RecordLoad(HMODULE self) {
    const std::wstring record = ModulePath(self) + L"-loaded.txt";
    const std::wstring loader = ModulePath(nullptr);
    HANDLE file = CreateFileW(record.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, loader.data(), static_cast<DWORD>(loader.size() * sizeof(wchar_t)), &written, nullptr);
        CloseHandle(file);
    }
}

} // namespace

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, void*) {
    if (reason == DLL_PROCESS_ATTACH) {
        RecordLoad(self);
        return FALSE;
    }
    return TRUE;
}
