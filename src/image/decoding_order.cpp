#include "image/decoding_order.h"

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

// Tries the plug-ins by priority; the number of the first priority without an entry, or
// kLastPluginPriority + 1 when all hundred were tried.
int TryPlugins(const SettingsRecord& settings, const std::string& path, ImageLoader& loader,
               const DecodeOptions& options, bool& loaded) {
    const std::string extension = GetExtension(path);
    for (int n = 0; n <= kLastPluginPriority; ++n) {
        const std::string plugin = FindPluginForExtension(settings, extension, n);
        if (plugin.empty()) {
            return n;
        }
        if (options.freePluginFirst) {
            loader.FreePlugin();
        }
        if (loader.LoadPlugin(plugin)) {
            const int decoded = loader.LoadViaPlugin(path, options.pictureMode);
            loader.FreePlugin();
            if (decoded == 1) {
                loaded = true;
                return n;
            }
        }
    }
    return kLastPluginPriority + 1;
}

} // namespace

int IsSupportedExtension(const SettingsRecord& settings, std::string_view extension) {
    return FindBuiltIn(extension) != nullptr || HasPluginForExtension(settings, extension) ? 1 : 0;
}

DecodeOutcome DecodeImage(const SettingsRecord& settings, const std::string& path, ImageLoader& loader,
                          const DecodeOptions& options) {
    bool loaded = false;
    const int endedAt = TryPlugins(settings, path, loader, options, loaded);
    if (options.pluginPhaseEnded) {
        options.pluginPhaseEnded();
    }
    if (loaded) {
        return DecodeOutcome::Loaded;
    }
    if (endedAt > kLastPluginPriority) {
        return DecodeOutcome::PluginsExhausted;
    }
    if (const BuiltInExtension* builtIn = FindBuiltIn(GetExtension(path))) {
        return (loader.*builtIn->loader)(path) == 1 ? DecodeOutcome::Loaded : DecodeOutcome::BuiltInLoaderFailed;
    }
    return endedAt == 0 ? DecodeOutcome::NoLoader : DecodeOutcome::PluginsFailed;
}

} // namespace pelaconf
