#include "plugins/image_object_probe_win.h"

#include "susie/plugin_survey_win.h"

namespace pelaconf {

std::optional<std::string> ImageObjectPluginProbe::ReadImportFilter(const std::string& pluginPath) {
    image_.FreePlugin();
    PluginDescription description;
    if (!image_.LoadPlugin(pluginPath) || image_.QueryPlugin(description) != kQueryImportFilter) {
        return std::nullopt;
    }
    return description.extensionFilter;
}

std::vector<std::optional<std::string>>
ImageObjectPluginProbe::ReadImportFilters(const std::vector<std::string>& pluginPaths) {
    image_.FreePlugin();
    std::vector<std::optional<std::string>> filters;
    for (std::optional<PluginDescription>& description : SurveyImportFilters(pluginPaths)) {
        filters.push_back(description ? std::optional(std::move(description->extensionFilter)) : std::nullopt);
    }
    return filters;
}

} // namespace pelaconf
