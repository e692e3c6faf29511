#include "plugins/image_object_probe_win.h"

namespace pelaconf {

std::optional<std::string> ImageObjectPluginProbe::ReadImportFilter(const std::string& pluginPath) {
    image_.FreePlugin();
    PluginDescription description;
    if (image_.LoadPlugin(pluginPath) != 1 || image_.QueryPlugin(description) != kQueryImportFilter) {
        return std::nullopt;
    }
    return description.extensionFilter;
}

} // namespace pelaconf
