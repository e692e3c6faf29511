#pragma once
// The plug-in priority list's entries, "ext.NN.path": an extension, a two-digit priority and the
// plug-in's path, and the rules that read and order them.

#include <string>
#include <string_view>
#include <vector>

namespace pelaconf {

struct SettingsRecord;

// The most plug-ins one extension can hold: priorities run from "00" to "99".
inline constexpr int kMaxPluginsPerExtension = 100;

// Field 0 (extension), 1 (two-digit priority) or 2 (plug-in path) of a plug-in entry
// "ext.NN.path"; empty text for a field the entry does not hold.
std::string GetEntryField(std::string_view entry, int index);
// A plug-in entry "ext.NN.path" from its three fields.
std::string MakePluginEntry(std::string_view extension, std::string_view priority, std::string_view path);

// A priority number written as two digits.
std::string FormatPriority(int priority);

// Plug-in entries in the order of their priorities 00 to 99, entries of equal priority in list
// order; entries whose priority lies outside that range are left out.
std::vector<std::string> InPriorityOrder(std::vector<std::string> entries);

// Whether, while Susie_Use is not 0, some entry names the extension (case ignored).
bool HasPluginForExtension(const SettingsRecord& settings, std::string_view extension);

// The plug-in path of the first entry for the extension (case ignored) whose priority is n; an
// entry with an unreadable priority counts as 0. Empty while Susie_Use is 0 or when there is none.
std::string FindPluginForExtension(const SettingsRecord& settings, std::string_view extension, int n);

// The record's extension list made again from its entries: each extension once (first spelling
// wins), sorted ascending.
void RebuildExtensionList(SettingsRecord& record);

} // namespace pelaconf
