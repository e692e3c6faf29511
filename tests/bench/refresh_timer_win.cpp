// Times the plug-in scan of a refresh: every .spi file of the folder is loaded, asked about itself
// and freed, and the catalogue rebuilt, as the Susie page's refresh does.
//   refresh_timer.exe RUNS FOLDER
#include "platform/file_system_win.h"
#include "plugins/image_object_probe_win.h"
#include "run_timing.h"
#include "settings/settings_record.h"
#include "susie/image_object_win.h"
#include "win/wide_text.h"

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
    using namespace pelaconf;
    if (argc < 3) {
        std::fputs("usage: refresh_timer RUNS FOLDER\n", stderr);
        return 2;
    }
    // The module folder holds no plug-ins: only the Susie folder is searched.
    SettingsRecord record(WideToUtf8(argv[2]) + "\\no-plugins-here");
    record.Susie_Dir_Path = WideToUtf8(argv[2]);
    Win32FileSystem files;
    ImageObject imageWork;
    ImageObjectPluginProbe probe(imageWork);
    size_t entries = 0;
    const bool done = bench::PrintMedianAndFastest(_wtoi(argv[1]), [&] {
        ScanPlugins(record, files, probe);
        entries = record.pluginPriorityList.size();
        return entries > 0;
    });
    std::fprintf(stderr, "refresh_timer: %zu catalogue entries\n", entries);
    return done ? 0 : 1;
}
