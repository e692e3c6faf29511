#pragma once
// The plug-in scan's validation on Windows: each plug-in is loaded into the image work object and
// asked about itself.

#include "plugins/plugin_catalogue.h"
#include "susie/image_object_win.h"

namespace pelaconf {

class ImageObjectPluginProbe : public PluginProbe {
public:
    explicit ImageObjectPluginProbe(ImageObject& image) : image_(image) {}
    std::optional<std::string> ReadImportFilter(const std::string& pluginPath) override;

private:
    ImageObject& image_;
};

} // namespace pelaconf
