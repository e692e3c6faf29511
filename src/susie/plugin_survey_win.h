#pragma once
// Asks many plug-in files what they are, as the plug-in scan does: each file loaded in a host,
// asked for its information texts and freed, with a few hosts working at once.

#include "susie/plugin_description.h"

#include <optional>
#include <string>
#include <vector>

namespace pelaconf {

// How many hosts a survey keeps busy at once.
constexpr size_t kSurveyHosts = 3;

// What a survey learned of one file.
struct SurveyAnswer {
    std::optional<PluginDescription> description; // when the file loads and is an import filter
    std::string hostNotStarted;                   // the host program that could not be started to ask it
};

// The answer for each file, in the order of the paths, whichever host answered first. Shows the
// wait cursor when it takes long.
std::vector<SurveyAnswer> SurveyImportFilters(const std::vector<std::string>& paths);

} // namespace pelaconf
