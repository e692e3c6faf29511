#pragma once
// Which loader decodes a file: the Susie plug-ins listed for its extension, by priority, then the
// image library's own loaders for its five extensions.

#include "image/plugin_load.h"
#include "settings/plugin_entry.h"
#include "settings/settings_record.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace pelaconf {

// 1 for "bmp", "jpg", "jpeg", "gif" and "png" in any case; otherwise, while Susie_Use is not 0,
// 1 when some plug-in entry names the extension (case ignored); else 0.
int IsSupportedExtension(const SettingsRecord& settings, std::string_view extension);

// The operations of an image object that the decoding order uses.
class ImageLoader {
public:
    virtual ~ImageLoader() = default;
    // Whether the module was loaded, or which plug-in host could not be started to load it.
    virtual PluginLoad LoadPlugin(const std::string& path) = 0;
    virtual int FreePlugin() = 0;
    virtual int LoadViaPlugin(const std::string& path, int pictureMode) = 0;
    virtual int LoadBmp(const std::string& path) = 0;
    virtual int LoadJpeg(const std::string& path) = 0;
    virtual int LoadGif(const std::string& path) = 0;
    virtual int LoadPng(const std::string& path) = 0;
};

enum class DecodeOutcome {
    Loaded,
    PluginsExhausted,    // every priority from 00 to 99 was tried and none decoded; no image
    NoLoader,            // no plug-in with priority 00 and not one of the five extensions
    PluginsFailed,       // the plug-ins failed and the extension is not one of the five
    BuiltInLoaderFailed, // the library's own loader for the extension failed
    HostNotStarted,      // a plug-in host could not be started: nothing more was tried
};

struct DecodeResult {
    DecodeResult(DecodeOutcome outcome, std::string hostNotStarted = {})
        : outcome(outcome), hostNotStarted(std::move(hostNotStarted)) {}

    DecodeOutcome outcome;
    std::string hostNotStarted; // with HostNotStarted: the host program's file name
};

// The highest priority tried: 00 to 99, a hundred attempts at most.
constexpr int kLastPluginPriority = 99;

struct DecodeOptions {
    int pictureMode = 0;                    // 0 the full picture, 1 a preview first
    bool freePluginFirst = false;           // FreePlugin before each LoadPlugin
    std::function<void()> pluginPhaseEnded; // called once the plug-ins have had their turn
};

// Decodes the file into the loader; the extension is the path's own (text after the last dot). A
// host that cannot be started ends the decoding: the plug-ins were not tried, and the library is
// not asked in their place.
DecodeResult DecodeImage(const SettingsRecord& settings, const std::string& path, ImageLoader& loader,
                          const DecodeOptions& options);

} // namespace pelaconf
