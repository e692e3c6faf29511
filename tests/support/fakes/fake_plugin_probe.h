#pragma once
// Plug-in validation for the core's tests: the plug-ins that are import filters, by path, and
// every path that was asked about.

#include "plugins/plugin_catalogue.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace pelaconf::testing {

class FakePluginProbe : public PluginProbe {
public:
    std::map<std::string, std::string> filters; // plug-in path -> first extension filter
    std::vector<std::string> probed;
    // A host program that cannot be started, for the plug-ins whose paths start with the prefix.
    std::string hostNotStarted;
    std::string hostNotStartedFor;

    ProbeAnswer ReadImportFilter(const std::string& path) override {
        probed.push_back(path);
        if (!hostNotStarted.empty() && path.starts_with(hostNotStartedFor)) {
            return {std::nullopt, hostNotStarted};
        }
        const auto found = filters.find(path);
        return {found == filters.end() ? std::nullopt : std::optional<std::string>(found->second), {}};
    }
};

} // namespace pelaconf::testing
