#include "image/decoding_order.h"

#include "image/plugins_past_their_limit.h"
#include "settings/string_helpers.h"

#include <array>

namespace pelaconf {
namespace {

using BuiltInLoader = int (ImageLoader::*)(const std::string&);

struct BuiltInExtension {
    std::string_view extension;
    BuiltInLoader loader;
};

constexpr std::array<BuiltInExtension, 5> kBuiltInExtensions{{
    {"bmp", &ImageLoader::LoadBmp},
    {"jpg", &ImageLoader::LoadJpeg},
    {"jpeg", &ImageLoader::LoadJpeg},
    {"gif", &ImageLoader::LoadGif},
    {"png", &ImageLoader::LoadPng},
}};

const BuiltInExtension* FindBuiltIn(std::string_view extension) {
    for (const BuiltInExtension& builtIn : kBuiltInExtensions) {
        if (EqualNoCase(builtIn.extension, extension)) {
            return &builtIn;
        }
    }
    return nullptr;
}

// How the plug-ins' turn ended.
struct PluginTurn {
    int endedAt = 0; // the first priority without an entry, or kLastPluginPriority + 1 after all hundred
    bool loaded = false;
    std::string hostNotStarted;
};

// Tries the plug-ins by priority until one decodes, none is left or a host cannot be started.
// A plug-in that ran into a call's limit earlier in this run is passed by.
PluginTurn TryPlugins(const SettingsRecord& settings, const std::string& path, ImageLoader& loader,
                      const DecodeOptions& options) {
    const std::string extension = GetExtension(path);
    for (int n = 0; n <= kLastPluginPriority; ++n) {
        const std::string plugin = FindPluginForExtension(settings, extension, n);
        if (plugin.empty()) {
            return {n, false, {}};
        }
        if (IsPluginPastItsLimit(plugin)) {
            continue;
        }
        if (options.freePluginFirst) {
            loader.FreePlugin();
        }
        PluginLoad load = loader.LoadPlugin(plugin);
        if (!load.hostNotStarted.empty()) {
            return {n, false, std::move(load.hostNotStarted)};
        }
        if (load) {
            const int decoded = loader.LoadViaPlugin(path, options.pictureMode);
            loader.FreePlugin();
            if (decoded == 1) {
                return {n, true, {}};
            }
        }
    }
    return {kLastPluginPriority + 1, false, {}};
}

} // namespace

int IsSupportedExtension(const SettingsRecord& settings, std::string_view extension) {
    return FindBuiltIn(extension) != nullptr || HasPluginForExtension(settings, extension) ? 1 : 0;
}

DecodeResult DecodeImage(const SettingsRecord& settings, const std::string& path, ImageLoader& loader,
                         const DecodeOptions& options) {
    PluginTurn turn = TryPlugins(settings, path, loader, options);
    if (options.pluginPhaseEnded) {
        options.pluginPhaseEnded();
    }
    if (!turn.hostNotStarted.empty()) {
        return {DecodeOutcome::HostNotStarted, std::move(turn.hostNotStarted)};
    }
    if (turn.loaded) {
        return {DecodeOutcome::Loaded};
    }
    if (turn.endedAt > kLastPluginPriority) {
        return {DecodeOutcome::PluginsExhausted};
    }
    if (const BuiltInExtension* builtIn = FindBuiltIn(GetExtension(path))) {
        return {(loader.*builtIn->loader)(path) == 1 ? DecodeOutcome::Loaded : DecodeOutcome::BuiltInLoaderFailed};
    }
    return {turn.endedAt == 0 ? DecodeOutcome::NoLoader : DecodeOutcome::PluginsFailed};
}

} // namespace pelaconf
