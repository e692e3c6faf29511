#pragma once
// A Susie plug-in (.spi) module and the calls made to it: GetPluginInfo to learn what it is, and
// IsSupported then GetPreview or GetPicture to decode a file through it. The module is loaded in
// a plug-in host process of its own machine type, never in this one, so that a plug-in that
// faults or hangs fails only its own call.

#include "image/plugin_load.h"
#include "susie/file_for_plugin_win.h"
#include "susie/host_protocol.h"
#include "susie/plugin_description.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pelaconf {

class HostsAhead;
class PluginHostProcess;

// What asking a module about itself gave.
struct ModuleDescription {
    int query = kQueryNoModule;     // a QueryPluginResult: kQueryNoModule when it did not load
    PluginDescription description;  // filled on kQueryImportFilter
    std::string hostNotStarted;     // the host program that could not be started; empty when it started
};

// Owns at most one loaded module; moving hands it over, and it is unloaded once.
class PluginModule {
public:
    PluginModule();
    ~PluginModule();
    PluginModule(PluginModule&& other) noexcept;
    PluginModule& operator=(PluginModule&& other) noexcept;

    // Loads the module, unloading the one held before; loaded, or none is held (and the host
    // program named when it could not be started). A module whose call runs into its limit, here
    // or in Query or Decode, is noted under this path as past its limit for the rest of the run.
    PluginLoad Load(const std::string& path);
    // Unloads the module: what FreeLibrary returned, or 0 when none was held.
    int Free();
    bool IsLoaded() const { return static_cast<bool>(host_); }

    // kQueryImportFilter and the description filled, or another QueryPluginResult.
    int Query(PluginDescription& description) const;
    // Load, Query and Free in one exchange, for a survey of many modules: what Query gives, or
    // kQueryNoModule when the module does not load. The host comes from those started ahead, and
    // the next is started while this one works. Shows no wait cursor: it runs on worker threads,
    // and the survey shows it.
    ModuleDescription Describe(const std::string& path, HostsAhead& hosts);
    // The file decoded by the module (its preview first in kPicturePreviewFirst) as a complete BMP
    // file image; empty when no module is held, the module does not read the file or decoding fails.
    std::optional<std::string> Decode(const std::string& path, int pictureMode) const;

private:
    std::optional<std::string> DecodeThroughHost(const std::string& path, int pictureMode) const;
    // Notes the module as past its limit when its last call ran into it.
    void NoteWhenPastLimit(const PluginHostProcess& host) const;

    std::unique_ptr<PluginHostProcess> host_;
    std::string path_; // as the module was loaded by
    // Temporary copies a plug-in still held open after its call: deleted once its host has ended.
    mutable std::vector<FileForPlugin> heldCopies_;
};

} // namespace pelaconf
