#include "plugins/plugin_catalogue.h"

#include "platform/file_system.h"
#include "platform/registry.h"
#include "settings/code_page.h"
#include "settings/plugin_entry.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "settings/string_helpers.h"

#include <algorithm>
#include <deque>
#include <map>
#include <set>
#include <string_view>

namespace pelaconf {
namespace {

using Paths = std::vector<std::string>;

// The .spi files of one folder, in the file system's order. Names already taken from another
// folder are skipped; the names taken here are added to them. A path the settings file could not
// hold is left out: its entry would make every later save of the settings fail.
Paths FindCandidates(const std::string& folder, const FileSystem& files, Paths& takenNames) {
    Paths paths;
    if (!FileExists(files, folder)) {
        return paths;
    }
    for (const auto& entry : files.ListFolder(folder + "\\*.spi")) {
        const bool alreadyTaken = std::any_of(takenNames.begin(), takenNames.end(),
                                              [&](const std::string& name) { return EqualNoCase(name, entry.name); });
        if (entry.isFolder || entry.name == "." || entry.name == ".." || alreadyTaken ||
            !EqualNoCase(GetExtension(entry.name), "spi")) {
            continue;
        }
        const std::string path = folder + "\\" + entry.name;
        if (!FitsShiftJis(path)) {
            continue;
        }
        paths.push_back(path);
        takenNames.push_back(entry.name);
    }
    return paths;
}

// An extension the settings file can carry back as it was written: no control character (a line
// feed would break its line), no white space where the line's value starts, and nothing code
// page 932 cannot hold (the whole file could not be saved).
bool IsStorableExtension(std::string_view extension) {
    const bool hasControl = std::any_of(extension.begin(), extension.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    });
    return !hasControl && !(extension.starts_with(' ')) && FitsShiftJis(extension);
}

// "*.jpg;*.jpeg" gives the entries for jpeg, then jpg, each at priority 99. An extension named
// twice in one filter gives one entry.
void AddEntriesOfFilter(std::string filter, const std::string& pluginPath, PluginEntries& entries) {
    filter = AsciiLower(filter);
    std::set<std::string> ofThisFilter;
    for (auto dot = filter.rfind('.'); dot != std::string::npos; dot = filter.rfind('.')) {
        const std::string extension = filter.substr(dot + 1);
        if (IsStorableExtension(extension) && ofThisFilter.insert(NoCaseKey(extension)).second) {
            entries.push_back({extension, "99", pluginPath});
        }
        const auto separator = filter.rfind(';');
        if (separator == std::string::npos) {
            break;
        }
        filter.resize(separator);
    }
}

bool IsUsablePriority(const std::string& priority) {
    const int number = LeadingNumber(priority);
    return !priority.empty() && number >= 0 && number < kMaxPluginsPerExtension;
}

// Moves the group of one extension to the list in priority order, numbered 00, 01, ... without
// gaps. Entries beyond the hundredth, or with a priority outside 0 to 99, are dropped: the
// two-digit field could not carry them back.
void AppendRenumbered(const std::string& extension, PluginEntries group, PluginEntries& list) {
    int next = 0;
    for (const auto& entry : InPriorityOrder(std::move(group))) {
        if (next == kMaxPluginsPerExtension) {
            break;
        }
        list.push_back({extension, FormatPriority(next++), entry.path});
    }
}

} // namespace

void CarryPrioritiesOver(PluginEntries& entries, const PluginEntries& oldEntries) {
    const auto matchKey = [](const PluginEntry& entry) {
        return std::pair(NoCaseKey(entry.extension), NoCaseKey(entry.path));
    };
    std::map<std::pair<std::string, std::string>, std::deque<const PluginEntry*>> unmatched;
    for (const auto& old : oldEntries) {
        unmatched[matchKey(old)].push_back(&old);
    }
    for (auto& entry : entries) {
        const auto found = unmatched.find(matchKey(entry));
        if (found == unmatched.end() || found->second.empty()) {
            continue;
        }
        if (const std::string priority = found->second.front()->ReadablePriority(); IsUsablePriority(priority)) {
            entry.priority = priority;
        }
        found->second.pop_front();
    }
}

std::string ScanPlugins(SettingsRecord& record, const FileSystem& files, PluginProbe& probe) {
    Paths takenNames;
    Paths candidates = FindCandidates(record.moduleFolder, files, takenNames);
    const Paths susieCandidates = FindCandidates(record.Susie_Dir_Path, files, takenNames);
    candidates.insert(candidates.end(), susieCandidates.begin(), susieCandidates.end());
    const std::vector<ProbeAnswer> answers = probe.ReadImportFilters(candidates);
    for (const ProbeAnswer& answer : answers) {
        if (!answer.hostNotStarted.empty()) {
            return answer.hostNotStarted;
        }
    }

    PluginEntries oldEntries;
    oldEntries.swap(record.pluginPriorityList);
    PluginEntries newEntries;
    for (size_t at = 0; at < candidates.size() && at < answers.size(); ++at) {
        if (answers[at].filter) {
            AddEntriesOfFilter(*answers[at].filter, candidates[at], newEntries);
        }
    }
    CarryPrioritiesOver(newEntries, oldEntries);

    const std::vector<std::string> extensions = ExtensionList(newEntries);
    std::map<std::string, PluginEntries> groups; // by the key of the extension, each in list order
    for (auto& entry : newEntries) {
        groups[NoCaseKey(entry.extension)].push_back(std::move(entry));
    }
    for (const auto& extension : extensions) {
        AppendRenumbered(extension, std::move(groups[NoCaseKey(extension)]), record.pluginPriorityList);
    }
    return {};
}

SusieFolderLookup LookUpSusieFolder(SettingsRecord& record, const Registry& registry) {
    constexpr size_t kPathBufferBytes = 256;
    const auto folder = registry.ReadUserText("Software\\Halvecor\\Susie\\Plug-in", "Path", kPathBufferBytes);
    // A folder the settings file could not hold would make every later save fail.
    if (!folder) {
        return SusieFolderLookup::NotFound;
    }
    if (!FitsShiftJis(*folder)) {
        return SusieFolderLookup::NotStorable;
    }
    record.Susie_Dir_Path = *folder;
    return SusieFolderLookup::Found;
}

} // namespace pelaconf
