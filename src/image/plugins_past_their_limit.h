#pragma once
// The plug-ins that took longer than a call's limit in this run of the program. Decoding passes
// them by for the rest of the run, so that a plug-in that hangs costs its wait once rather than
// at every picture. The catalogue keeps them: the next run asks them again.

#include <string>

namespace pelaconf {

// Safe to call from any thread.
void NotePluginPastItsLimit(const std::string& pluginPath);
bool IsPluginPastItsLimit(const std::string& pluginPath);

} // namespace pelaconf
