#pragma once
// The image work object: at most one loaded Susie plug-in module and at most one library image,
// joined by decoding through the one into the other. The two are independent: an image decoded by
// a plug-in stays valid after the module is unloaded.

#include "image/fitting.h"
#include "image/image_library.h"
#include "image/wallpaper_image.h"
#include "susie/plugin_module_win.h"

#include <windows.h>

#include <optional>
#include <string>
#include <utility>

namespace pelaconf {

class ImageObject : public WallpaperImage {
public:
    ImageObject() = default;
    ~ImageObject() override;
    ImageObject(const ImageObject&) = delete;
    ImageObject& operator=(const ImageObject&) = delete;

    // ---- The image
    // Releases the held image, if any; 1 when one was released.
    int ReleaseImage();
    bool HasImage() const { return image_ != nullptr; }
    // Each releases the held image first and holds the new one; 1 on success, else 0 and no image.
    int LoadBmp(const std::string& path) override;
    int LoadJpeg(const std::string& path) override;
    int LoadGif(const std::string& path) override;
    int LoadPng(const std::string& path) override;
    // 1 and the image's 40-byte header; 0 when no image is held.
    int GetHeader(InfoHeaderBytes& header) const;
    // Width and height, positive also for a top-down image; empty when no image is held.
    std::optional<Size> HeldImageSize() const override;
    // Saves the image as a 24-bit BMP (fit modes in image/fitting.h, against the screen's size) and
    // releases it, also when the save fails. Non-zero on success.
    int SaveBitmap(const std::string& path, int fitMode) override;
    void FitWhileLoading(FittedSizeFor fittedSizeFor) override { fitWhileLoading_ = std::move(fittedSizeFor); }
    // Draws the image inside the frame less a one-pixel border, as large as fits, aspect ratio
    // kept and centred. The rows drawn; 0 when no image is held, the frame has no inside or
    // drawing fails.
    int DrawFitted(HDC dc, int x, int y, int width, int height);

    // ---- The plug-in module
    // Loads the module, unloading the one held before; not loaded and none held when it cannot be.
    PluginLoad LoadPlugin(const std::string& path) override;
    // Unloads the held module: what FreeLibrary returned, or 0 when none was held.
    int FreePlugin() override { return plugin_.Free(); }
    // kQueryImportFilter and the description filled, or another QueryPluginResult.
    int QueryPlugin(PluginDescription& description) const { return plugin_.Query(description); }
    // Decodes the file through the held module into a new image; 1 on success, else 0 and no
    // image is held.
    int LoadViaPlugin(const std::string& path, int pictureMode) override;

private:
    // Takes a newly loaded image, which has the size it was decoded at; whether there is one.
    bool AdoptImage(LibImageHandle image);
    // The JPEG, GIF and PNG loaders: the library's loader, or its fitted one when asked for.
    int LoadThroughLibrary(const std::string& path, LibImageHandle (*load)(const std::string&));
    // The size the held image is saved and measured by: the file's when it was decoded fitted.
    Size SourceSize(const InfoHeaderBytes& header) const;

    PluginModule plugin_;
    OwnedLibImage image_;
    FittedSizeFor fitWhileLoading_;
    // The size in the file of an image that was decoded at another size.
    std::optional<Size> fileSize_;
};

} // namespace pelaconf
