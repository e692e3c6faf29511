#include "susie/image_object_win.h"

#include "image/fitting.h"
#include "image/image_library_win.h"

#include <cstdlib>

namespace pelaconf {

ImageObject::~ImageObject() {
    ReleaseImage();
    FreePlugin();
}

int ImageObject::ReleaseImage() {
    if (image_ == nullptr) {
        return 0;
    }
    image_.reset();
    fileSize_.reset();
    return 1;
}

bool ImageObject::AdoptImage(LibImageHandle image) {
    image_.reset(image);
    fileSize_.reset();
    return image_ != nullptr;
}

int ImageObject::LoadThroughLibrary(const std::string& path, LibImageHandle (*load)(const std::string&)) {
    ReleaseImage();
    if (!fitWhileLoading_) {
        return AdoptImage(load(path)) ? 1 : 0;
    }
    Size fileSize;
    if (!AdoptImage(LibLoadFittedFile(path, fitWhileLoading_, fileSize))) {
        return 0;
    }
    fileSize_ = fileSize;
    return 1;
}

Size ImageObject::SourceSize(const InfoHeaderBytes& header) const {
    return fileSize_.value_or(Size{HeaderWidth(header), HeaderHeight(header)});
}

int ImageObject::LoadBmp(const std::string& path) {
    ReleaseImage();
    if (!AdoptImage(LibLoadBmpFile(path))) {
        return 0;
    }
    if (LibTestImage(image_.get()) != 0) {
        LibAdjustImage(image_.get());
    }
    return 1;
}

int ImageObject::LoadJpeg(const std::string& path) { return LoadThroughLibrary(path, &LibLoadJpegFile); }

int ImageObject::LoadGif(const std::string& path) { return LoadThroughLibrary(path, &LibLoadGifFile); }

int ImageObject::LoadPng(const std::string& path) { return LoadThroughLibrary(path, &LibLoadPngFile); }

int ImageObject::GetHeader(InfoHeaderBytes& header) const {
    return image_ != nullptr && LibGetHeader(image_.get(), header) == 1 ? 1 : 0;
}

std::optional<Size> ImageObject::HeldImageSize() const {
    InfoHeaderBytes header{};
    if (GetHeader(header) == 0) {
        return std::nullopt;
    }
    const Size size = SourceSize(header);
    return Size{size.width, std::abs(size.height)}; // top-down images have negative heights
}

int ImageObject::SaveBitmap(const std::string& path, int fitMode) {
    if (image_ == nullptr) {
        return 0;
    }
    if (fitMode > kFitKeepSize) {
        InfoHeaderBytes header{};
        if (GetHeader(header) == 0) {
            return 0;
        }
        const Size held{HeaderWidth(header), HeaderHeight(header)};
        const Size screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        // Without a screen size there is nothing to fit to, and the image is saved as it is. An
        // image decoded fitted usually has its target size already.
        const std::optional<Size> target = SaveBitmapSize(SourceSize(header), screen, fitMode);
        if (target && *target != held) {
            LibResize(image_.get(), target->width, target->height);
        }
    }
    const int result = LibSaveBmpFile(path, image_.get());
    ReleaseImage();
    return result;
}

int ImageObject::DrawFitted(HDC dc, int x, int y, int width, int height) {
    InfoHeaderBytes header{};
    const int headerResult = LibGetHeader(image_.get(), header);
    if (headerResult != 1) {
        return headerResult;
    }
    const Size size{HeaderWidth(header), HeaderHeight(header)};
    const std::optional<Rect> target = DrawFittedRect(size, Rect{x, y, width, height});
    if (!target) {
        return 0;
    }
    return LibDraw(dc, target->x, target->y, target->width, target->height, image_.get(), 0, 0, size.width, size.height,
                   SRCCOPY, HALFTONE);
}

PluginLoad ImageObject::LoadPlugin(const std::string& path) { return plugin_.Load(path); }

int ImageObject::LoadViaPlugin(const std::string& path, int pictureMode) {
    ReleaseImage();
    const std::optional<std::string> file = plugin_.Decode(path, pictureMode);
    if (!file) {
        return 0;
    }
    const bool held = AdoptImage(LibLoadBmpMemory(file->data(), file->size()));
    LibPostLoad();
    return held ? 1 : 0;
}

} // namespace pelaconf
