#pragma once
// The plug-in catalogue: which Susie plug-ins decode which extensions, and in which order the
// plug-ins of one extension are tried. It lives in the SettingsRecord's plug-in priority list.

#include "settings/plugin_entry.h"

#include <optional>
#include <string>
#include <vector>

namespace pelaconf {

class FileSystem;
class Registry;
struct SettingsRecord;

// What asking a plug-in module about itself found.
struct ProbeAnswer {
    // The first extension filter of a loadable import filter (for example "*.jpg;*.jpeg"), or
    // empty when the file does not load or is no import filter.
    std::optional<std::string> filter;
    // The plug-in host program that could not be started to ask; empty when it started.
    std::string hostNotStarted;
};

// Asks a plug-in module about itself.
class PluginProbe {
public:
    virtual ~PluginProbe() = default;
    virtual ProbeAnswer ReadImportFilter(const std::string& pluginPath) = 0;
    // ReadImportFilter of each file, in the order given; a probe may ask several at once.
    virtual std::vector<ProbeAnswer> ReadImportFilters(const std::vector<std::string>& pluginPaths) {
        std::vector<ProbeAnswer> answers;
        for (const std::string& path : pluginPaths) {
            answers.push_back(ReadImportFilter(path));
        }
        return answers;
    }
};

// Rebuilds the plug-in priority list from the plug-ins of the module folder and of Susie_Dir_Path,
// keeping the priorities already given and closing up the numbering. When a plug-in host cannot be
// started the plug-ins' answers tell nothing: the list stays as it was, and the host program's
// file name is returned; otherwise empty text.
std::string ScanPlugins(SettingsRecord& record, const FileSystem& files, PluginProbe& probe);

// What the registry gave for Susie's own plug-in folder.
enum class SusieFolderLookup {
    Found,       // Susie_Dir_Path now holds the folder
    NotFound,    // the key or value is missing, or the value is too long to read
    NotStorable, // the folder is there, but the settings file cannot hold its path
};

// Takes Susie's own plug-in folder from the registry into Susie_Dir_Path; nothing changes unless
// it is found.
SusieFolderLookup LookUpSusieFolder(SettingsRecord& record, const Registry& registry);

// Each new entry (priority "99") takes the priority its plug-in had for the extension in the old
// entries, compared ignoring case; an old entry is taken by the first new entry that matches it
// and then by no other. An old priority that cannot be read, or lies outside 00 to 99, gives
// nothing: the entry keeps "99" rather than becoming "ext..path" or being dropped later.
void CarryPrioritiesOver(PluginEntries& entries, const PluginEntries& oldEntries);

} // namespace pelaconf
