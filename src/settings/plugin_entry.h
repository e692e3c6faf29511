#pragma once
// The plug-in priority list's entries, "ext.NN.path": an extension, a two-digit priority and the
// plug-in's path, read once into values and written once back, and the rules that order them.

#include <string>
#include <string_view>
#include <vector>

namespace pelaconf {

struct SettingsRecord;

// The most plug-ins one extension can hold: priorities run from "00" to "99".
inline constexpr int kMaxPluginsPerExtension = 100;

// One entry of the plug-in priority list.
struct PluginEntry {
    std::string extension;
    // Two digits when well formed. Kept as it stands in the text, so that an entry is written back
    // as it was read, also when its priority does not read as a number.
    std::string priority;
    std::string path;

    // The priority as GetEntryField reads it: empty when it converts to 0 but is not "00".
    std::string ReadablePriority() const;
    // The leading decimal number of the readable priority; 0 for an empty one.
    int PriorityNumber() const;
    // The plug-in's file name: the text after the last "\" of the entry.
    std::string FileName() const;
    // Whether the entry names a folder at all (holds a "\").
    bool HasFolder() const;

    friend bool operator==(const PluginEntry&, const PluginEntry&) = default;
};

using PluginEntries = std::vector<PluginEntry>;

// Field 0 (extension), 1 (two-digit priority) or 2 (plug-in path) of a plug-in entry
// "ext.NN.path"; empty text for a field the entry does not hold.
std::string GetEntryField(std::string_view entry, int index);
// The entry's three fields as GetEntryField splits them, which normalises an entry with too few
// dots or a priority that is not two characters; a two-character priority is kept as it stands.
PluginEntry ParsePluginEntry(std::string_view text);
// "ext.NN.path".
std::string FormatPluginEntry(const PluginEntry& entry);

// A priority number written as two digits.
std::string FormatPriority(int priority);

// Plug-in entries in the order of their priorities 00 to 99, entries of equal priority in list
// order; entries whose priority lies outside that range are left out.
PluginEntries InPriorityOrder(PluginEntries entries);

// The distinct extensions of the entries (first spelling wins, case ignored), sorted ascending.
std::vector<std::string> ExtensionList(const PluginEntries& entries);

// Whether, while Susie_Use is not 0, some entry names the extension (case ignored).
bool HasPluginForExtension(const SettingsRecord& settings, std::string_view extension);

// The plug-in path of the first entry for the extension (case ignored) whose priority is n; an
// entry with an unreadable priority counts as 0. Empty while Susie_Use is 0 or when there is none.
std::string FindPluginForExtension(const SettingsRecord& settings, std::string_view extension, int n);

} // namespace pelaconf
