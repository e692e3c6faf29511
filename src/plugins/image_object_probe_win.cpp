#include "plugins/image_object_probe_win.h"

#include "susie/plugin_survey_win.h"

namespace pelaconf {

ProbeAnswer ImageObjectPluginProbe::ReadImportFilter(const std::string& pluginPath) {
    image_.FreePlugin();
    PluginLoad load = image_.LoadPlugin(pluginPath);
    PluginDescription description;
    if (!load || image_.QueryPlugin(description) != kQueryImportFilter) {
        return {std::nullopt, std::move(load.hostNotStarted)};
    }
    return {std::move(description.extensionFilter), {}};
}

std::vector<ProbeAnswer> ImageObjectPluginProbe::ReadImportFilters(const std::vector<std::string>& pluginPaths) {
    image_.FreePlugin();
    std::vector<ProbeAnswer> answers;
    for (SurveyAnswer& answer : SurveyImportFilters(pluginPaths)) {
        answers.push_back({answer.description ? std::optional(std::move(answer.description->extensionFilter))
                                              : std::nullopt,
                           std::move(answer.hostNotStarted)});
    }
    return answers;
}

} // namespace pelaconf
