// Times the decode of one picture through a plug-in: the module loaded, the file decoded to its
// BMP file image and the module freed, either through the plug-in host as Pelaconf does it
// ("host") or with the plug-in loaded in this process ("in-process"), the way Pelaconf decoded
// before plug-ins had a process of their own.
//   plugin_decode_timer.exe host|in-process RUNS PLUGIN PICTURE
#include "run_timing.h"
#include "susie/plugin_host_win.h"
#include "susie/plugin_module_win.h"
#include "win/wide_text.h"

#include <cstdio>
#include <string>

namespace {

using namespace pelaconf;

bool DecodeThroughHost(const std::string& plugin, const std::string& picture) {
    PluginModule module;
    return module.Load(plugin) && module.Decode(picture, kPictureFull).has_value() && module.Free() == 1;
}

bool DecodeInProcess(const std::string& plugin, const std::string& picture) {
    PluginHost host;
    return host.Answer({kHostLoad, 0, {plugin}}).value == 1 &&
           host.Answer({kHostIsSupported, 0, {picture}}).value == 1 &&
           host.Answer({kHostDecode, kPictureFull, {picture}}).value == 1 && host.Answer({kHostFree, 0, {}}).value == 1;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 5) {
        std::fputs("usage: plugin_decode_timer host|in-process RUNS PLUGIN PICTURE\n", stderr);
        return 2;
    }
    const bool throughHost = std::wstring(argv[1]) == L"host";
    const std::string plugin = WideToUtf8(argv[3]), picture = WideToUtf8(argv[4]);
    const bool done = bench::PrintMedianAndFastest(_wtoi(argv[2]), [&] {
        return throughHost ? DecodeThroughHost(plugin, picture) : DecodeInProcess(plugin, picture);
    });
    return done ? 0 : 1;
}
