// Any extension filter a plug-in gives must become entries that the settings file carries: the
// scan's lists written to Pelavine.ini and read back are the same lists, and the filter of a
// second plug-in, given in other bytes, cannot change that. The input is the first plug-in's
// filter as text; the second one's is the input's start decoded as its field of 64 bytes holds it.
#include "fake_file_system.h"
#include "fake_plugin_probe.h"
#include "plugins/plugin_catalogue.h"
#include "settings/code_page.h"
#include "settings/settings_file.h"
#include "susie/plugin_description.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace pelaconf;
    const std::string filter(reinterpret_cast<const char*>(data), size);
    testing::FakeFileSystem files;
    testing::FakePluginProbe probe;
    files.folders = {"C:\\p"};
    files.listings["C:\\p\\*.spi"] = {{"a.spi", false}, {"b.spi", false}};
    probe.filters["C:\\p\\a.spi"] = filter;
    probe.filters["C:\\p\\b.spi"] = DecodeShiftJis(filter.substr(0, kExtensionFilterField - 1));

    SettingsRecord scanned("C:\\p");
    ScanPlugins(scanned, files, probe);
    if (!WriteSettings(scanned, {}, files)) {
        std::abort();
    }
    SettingsRecord read("C:\\p");
    if (ReadSettings(read, files).state != SettingsFileState::Read ||
        read.pluginPriorityList != scanned.pluginPriorityList) {
        std::abort();
    }
    return 0;
}
