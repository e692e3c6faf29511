#include "settings/plugin_entry.h"

#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "settings/string_helpers.h"

#include <algorithm>
#include <cstdlib>
#include <set>

namespace pelaconf {
namespace {

// The leading decimal number of a priority text, as atoi reads it (leading blanks and a sign
// included, so "-1" is -1 and matches no priority); 0 for an empty text. A priority text has at
// most two characters.
int AtoiPriority(std::string_view text) { return std::atoi(std::string(text).c_str()); }

// The priority as it reads: the text when it converts to a non-zero number or is "00", else empty.
std::string ReadPriority(std::string_view text) {
    return AtoiPriority(text) != 0 || text == "00" ? std::string(text) : std::string();
}

// The three fields of an entry, the priority as it stands in the text.
PluginEntry SplitEntry(std::string_view text) {
    const auto firstDot = text.find('.');
    if (firstDot == std::string_view::npos) {
        return {};
    }
    PluginEntry entry{std::string(text.substr(0, firstDot)), {}, {}};
    const auto rest = text.substr(firstDot + 1);
    const auto nextDot = rest.find('.');
    if (nextDot == std::string_view::npos) {
        return entry;
    }
    const bool twoCharacterPriority = nextDot == 2;
    entry.priority = twoCharacterPriority ? rest.substr(0, 2) : "00";
    entry.path = twoCharacterPriority ? rest.substr(3) : rest;
    return entry;
}

} // namespace

std::string GetEntryField(std::string_view entry, int index) {
    switch (index) {
    case 0: return SplitEntry(entry).extension;
    case 1: return ReadPriority(SplitEntry(entry).priority);
    case 2: return SplitEntry(entry).path;
    default: return {};
    }
}

// An unreadable priority keeps its text: it reads as empty all the same, and writing the entry
// back must neither lose it nor turn "jpg.x1.path" into "jpg..path", which reads back with a
// path that starts with a dot.
PluginEntry ParsePluginEntry(std::string_view text) { return SplitEntry(text); }

std::string FormatPluginEntry(const PluginEntry& entry) {
    std::string text = entry.extension;
    text.append(".").append(entry.priority).append(".").append(entry.path);
    return text;
}

std::string PluginEntry::ReadablePriority() const { return ReadPriority(priority); }

int PluginEntry::PriorityNumber() const { return LeadingNumber(ReadablePriority()); }

std::string PluginEntry::FileName() const {
    // Only an entry edited by hand holds a "\" outside its path.
    if (const auto separator = path.rfind('\\'); separator != std::string::npos) {
        return path.substr(separator + 1);
    }
    const std::string text = FormatPluginEntry(*this);
    return text.substr(text.rfind('\\') + 1);
}

bool PluginEntry::HasFolder() const {
    const auto holdsSeparator = [](const std::string& field) { return field.find('\\') != std::string::npos; };
    return holdsSeparator(extension) || holdsSeparator(priority) || holdsSeparator(path);
}

std::string FormatPriority(int priority) { return (priority < 10 ? "0" : "") + std::to_string(priority); }

PluginEntries InPriorityOrder(PluginEntries entries) {
    std::erase_if(entries, [](const PluginEntry& entry) {
        const int priority = entry.PriorityNumber();
        return priority < 0 || priority >= kMaxPluginsPerExtension;
    });
    std::stable_sort(entries.begin(), entries.end(), [](const PluginEntry& a, const PluginEntry& b) {
        return a.PriorityNumber() < b.PriorityNumber();
    });
    return entries;
}

std::vector<std::string> ExtensionList(const PluginEntries& entries) {
    std::vector<std::string> extensions;
    std::set<std::string> known;
    for (const auto& entry : entries) {
        if (known.insert(NoCaseKey(entry.extension)).second) {
            extensions.push_back(entry.extension);
        }
    }
    SortStringList(extensions, 0);
    return extensions;
}

bool HasPluginForExtension(const SettingsRecord& settings, std::string_view extension) {
    return settings.Susie_Use != 0 &&
           std::any_of(settings.pluginPriorityList.begin(), settings.pluginPriorityList.end(),
                       [&](const PluginEntry& entry) { return EqualNoCase(entry.extension, extension); });
}

std::string FindPluginForExtension(const SettingsRecord& settings, std::string_view extension, int n) {
    if (settings.Susie_Use == 0) {
        return {};
    }
    for (const PluginEntry& entry : settings.pluginPriorityList) {
        if (EqualNoCase(entry.extension, extension) && AtoiPriority(entry.ReadablePriority()) == n) {
            return entry.path;
        }
    }
    return {};
}

} // namespace pelaconf
