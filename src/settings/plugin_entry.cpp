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
int PriorityNumber(std::string_view text) { return std::atoi(std::string(text).c_str()); }

} // namespace

std::string MakePluginEntry(std::string_view extension, std::string_view priority, std::string_view path) {
    std::string entry(extension);
    entry.append(".").append(priority).append(".").append(path);
    return entry;
}

std::string GetEntryField(std::string_view entry, int index) {
    const auto firstDot = entry.find('.');
    if (firstDot == std::string_view::npos) {
        return {};
    }
    if (index == 0) {
        return std::string(entry.substr(0, firstDot));
    }
    const auto rest = entry.substr(firstDot + 1);
    const auto nextDot = rest.find('.');
    if (nextDot == std::string_view::npos || (index != 1 && index != 2)) {
        return {};
    }
    std::string_view priority = "00";
    std::string_view path = rest;
    if (nextDot == 2) {
        priority = rest.substr(0, 2);
        path = rest.substr(3);
    }
    if (index == 2) {
        return std::string(path);
    }
    const bool isNumber = std::atoi(std::string(priority).c_str()) != 0;
    return isNumber || priority == "00" ? std::string(priority) : std::string();
}

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

bool HasPluginForExtension(const SettingsRecord& settings, std::string_view extension) {
    return settings.Susie_Use != 0 &&
           std::any_of(settings.pluginPriorityList.begin(), settings.pluginPriorityList.end(),
                       [&](const std::string& entry) { return EqualNoCase(GetEntryField(entry, 0), extension); });
}

std::string FindPluginForExtension(const SettingsRecord& settings, std::string_view extension, int n) {
    if (settings.Susie_Use == 0) {
        return {};
    }
    for (const std::string& entry : settings.pluginPriorityList) {
        if (EqualNoCase(GetEntryField(entry, 0), extension) && PriorityNumber(GetEntryField(entry, 1)) == n) {
            return GetEntryField(entry, 2);
        }
    }
    return {};
}

void RebuildExtensionList(SettingsRecord& record) {
    auto& extensions = record.extensionList;
    extensions.clear();
    std::set<std::string> known;
    for (const auto& entry : record.pluginPriorityList) {
        std::string extension = GetEntryField(entry, 0);
        if (known.insert(NoCaseKey(extension)).second) {
            extensions.push_back(std::move(extension));
        }
    }
    SortStringList(extensions, 0);
}

} // namespace pelaconf
