#include "plugins/plugin_catalogue.h"

#include "platform/file_system.h"
#include "platform/registry.h"
#include "settings/code_page.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "settings/string_helpers.h"

#include <algorithm>

namespace pelaconf {
namespace {

using Entries = std::vector<std::string>;

// The .spi files of one folder, in the file system's order. Names already taken from another
// folder are skipped; the names taken here are added to them. A path the settings file could not
// hold is left out: its entry would make every later save of the settings fail.
Entries FindCandidates(const std::string& folder, const FileSystem& files, Entries& takenNames) {
    Entries paths;
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

// "*.jpg;*.jpeg" gives the entries for jpeg, then jpg, each at priority 99.
void AddEntriesOfFilter(std::string filter, const std::string& pluginPath, Entries& entries, Entries& extensions) {
    filter = AsciiLower(filter);
    for (auto dot = filter.rfind('.'); dot != std::string::npos; dot = filter.rfind('.')) {
        const std::string extension = filter.substr(dot + 1);
        if (std::find(extensions.begin(), extensions.end(), extension) == extensions.end()) {
            extensions.push_back(extension);
        }
        entries.push_back(extension + ".99." + pluginPath);
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

// Each new entry takes the priority its plug-in had for the extension before the scan. An old
// priority that cannot be read, or lies outside 00 to 99, gives nothing: the entry keeps "99"
// rather than becoming "ext..path" or being dropped by the renumbering.
void CarryPrioritiesOver(Entries& entries, Entries oldEntries) {
    for (auto& entry : entries) {
        const std::string extension = GetEntryField(entry, 0);
        const std::string path = GetEntryField(entry, 2);
        const auto old = std::find_if(oldEntries.begin(), oldEntries.end(), [&](const std::string& candidate) {
            return EqualNoCase(GetEntryField(candidate, 0), extension) &&
                   EqualNoCase(GetEntryField(candidate, 2), path);
        });
        if (old == oldEntries.end()) {
            continue;
        }
        if (const std::string priority = GetEntryField(*old, 1); IsUsablePriority(priority)) {
            entry = MakePluginEntry(extension, priority, path);
        }
        oldEntries.erase(old);
    }
}

// Moves the group of one extension to the list in priority order, numbered 00, 01, ... without
// gaps. Entries beyond the hundredth, or with a priority outside 0 to 99, are dropped: the
// two-digit field could not carry them back.
void AppendRenumbered(const std::string& extension, Entries group, Entries& list) {
    int next = 0;
    for (const auto& entry : InPriorityOrder(std::move(group))) {
        if (next == kMaxPluginsPerExtension) {
            break;
        }
        list.push_back(MakePluginEntry(extension, FormatPriority(next++), GetEntryField(entry, 2)));
    }
}

} // namespace

std::string FormatPriority(int priority) { return (priority < 10 ? "0" : "") + std::to_string(priority); }

std::vector<std::string> InPriorityOrder(std::vector<std::string> entries) {
    const auto priorityOf = [](const std::string& entry) { return LeadingNumber(GetEntryField(entry, 1)); };
    std::erase_if(entries, [&](const std::string& entry) {
        const int priority = priorityOf(entry);
        return priority < 0 || priority >= kMaxPluginsPerExtension;
    });
    std::stable_sort(entries.begin(), entries.end(),
                     [&](const std::string& a, const std::string& b) { return priorityOf(a) < priorityOf(b); });
    return entries;
}

int ScanPlugins(SettingsRecord& record, const FileSystem& files, PluginProbe& probe) {
    Entries oldEntries;
    oldEntries.swap(record.pluginPriorityList);

    Entries takenNames;
    Entries candidates = FindCandidates(record.moduleFolder, files, takenNames);
    const Entries susieCandidates = FindCandidates(record.Susie_Dir_Path, files, takenNames);
    candidates.insert(candidates.end(), susieCandidates.begin(), susieCandidates.end());

    Entries newEntries;
    record.extensionList.clear();
    for (const auto& path : candidates) {
        if (const auto filter = probe.ReadImportFilter(path)) {
            AddEntriesOfFilter(*filter, path, newEntries, record.extensionList);
        }
    }
    SortStringList(record.extensionList, 0);
    CarryPrioritiesOver(newEntries, std::move(oldEntries));

    for (const auto& extension : record.extensionList) {
        Entries group;
        auto rest = std::stable_partition(newEntries.begin(), newEntries.end(), [&](const std::string& entry) {
            return !EqualNoCase(GetEntryField(entry, 0), extension);
        });
        group.assign(rest, newEntries.end());
        newEntries.erase(rest, newEntries.end());
        AppendRenumbered(extension, std::move(group), record.pluginPriorityList);
    }
    return 1;
}

int LookUpSusieFolder(SettingsRecord& record, const Registry& registry) {
    constexpr size_t kPathBufferBytes = 256;
    const auto folder = registry.ReadUserText("Software\\Halvecor\\Susie\\Plug-in", "Path", kPathBufferBytes);
    // A folder the settings file could not hold would make every later save fail.
    if (!folder) {
        return 1;
    }
    if (!FitsShiftJis(*folder)) {
        return kSusieFolderNotStorable;
    }
    record.Susie_Dir_Path = *folder;
    return 0;
}

} // namespace pelaconf
