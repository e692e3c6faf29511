#include "image/plugins_past_their_limit.h"

#include <mutex>
#include <set>

namespace pelaconf {
namespace {

struct PastTheirLimit {
    std::mutex guard;
    std::set<std::string> paths;
};

PastTheirLimit& Plugins() {
    static PastTheirLimit plugins;
    return plugins;
}

} // namespace

void NotePluginPastItsLimit(const std::string& pluginPath) {
    const std::lock_guard lock(Plugins().guard);
    Plugins().paths.insert(pluginPath);
}

bool IsPluginPastItsLimit(const std::string& pluginPath) {
    const std::lock_guard lock(Plugins().guard);
    return Plugins().paths.contains(pluginPath);
}

} // namespace pelaconf
