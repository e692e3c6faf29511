#pragma once
// Plug-in entries written as the settings file holds them ("ext.NN.path"), so that a test can
// state a plug-in priority list in one line and compare one briefly.

#include "settings/plugin_entry.h"

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace pelaconf {

// Shows an entry in a failed expectation as the file would hold it.
inline void PrintTo(const PluginEntry& entry, std::ostream* out) { *out << FormatPluginEntry(entry); }

namespace testing {

inline PluginEntries ParsedEntries(std::initializer_list<std::string_view> texts) {
    PluginEntries entries;
    for (const std::string_view text : texts) {
        entries.push_back(ParsePluginEntry(text));
    }
    return entries;
}

inline std::vector<std::string> EntryTexts(const PluginEntries& entries) {
    std::vector<std::string> texts;
    for (const PluginEntry& entry : entries) {
        texts.push_back(FormatPluginEntry(entry));
    }
    return texts;
}

} // namespace testing
} // namespace pelaconf
