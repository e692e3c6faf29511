// The floor for the refresh benchmark: lists the .spi files of the folder and loads and frees each,
// with nothing of Pelaconf.
//   bare_plugin_loader.exe RUNS FOLDER
#include "run_timing.h"

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fputs("usage: bare_plugin_loader RUNS FOLDER\n", stderr);
        return 2;
    }
    const std::wstring folder = argv[2];
    const bool done = pelaconf::bench::PrintMedianAndFastest(_wtoi(argv[1]), [&] {
        WIN32_FIND_DATAW found;
        const HANDLE search = FindFirstFileW((folder + L"\\*.spi").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) {
            return false;
        }
        int loaded = 0;
        do {
            if (const HMODULE module = LoadLibraryW((folder + L"\\" + found.cFileName).c_str())) {
                FreeLibrary(module);
                ++loaded;
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return loaded > 0;
    });
    return done ? 0 : 1;
}
