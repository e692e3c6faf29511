#pragma once
// The plug-in scan's validation on Windows: each plug-in is loaded in a plug-in host and asked
// about itself, one at a time through the image work object or many at once.

#include "plugins/plugin_catalogue.h"
#include "susie/image_object_win.h"

namespace pelaconf {

class ImageObjectPluginProbe : public PluginProbe {
public:
    explicit ImageObjectPluginProbe(ImageObject& image) : image_(image) {}
    ProbeAnswer ReadImportFilter(const std::string& pluginPath) override;
    // Several plug-in hosts at once; the image work object's module is unloaded first.
    std::vector<ProbeAnswer> ReadImportFilters(const std::vector<std::string>& pluginPaths) override;

private:
    ImageObject& image_;
};

} // namespace pelaconf
