#include "image/image_object_win.h"

#include "susie/ansi_code_page_win.h"
#include "image/fitting.h"
#include "image/image_library_win.h"
#include "win/wide_text.h"

#include <cstdlib>

namespace pelaconf {
namespace {

// The plug-in's own folder is searched first for the DLLs it needs, which needs a full path. A
// file that is no module, or a damaged one, fails quietly instead of with a system error box.
HMODULE LoadPluginModule(const std::string& path) {
    const std::wstring wide = Utf8ToWide(path);
    std::wstring full(MAX_PATH, L'\0');
    DWORD length = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length >= full.size()) {
        full.resize(length);
        length = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    }
    if (length == 0 || length >= full.size()) {
        return nullptr;
    }
    full.resize(length);
    DWORD previousMode = 0;
    const bool modeSet = SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previousMode) != 0;
    HMODULE module = LoadLibraryExW(full.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (modeSet) {
        SetThreadErrorMode(previousMode, nullptr);
    }
    return module;
}

} // namespace

ImageObject::~ImageObject() {
    ReleaseImage();
    FreePlugin();
}

int ImageObject::ReleaseImage() {
    if (image_ == nullptr) {
        return 0;
    }
    LibRelease(image_);
    image_ = nullptr;
    return 1;
}

int ImageObject::Hold(LibImageHandle image) {
    image_ = image;
    return image != nullptr ? 1 : 0;
}

int ImageObject::LoadBmp(const std::string& path) {
    ReleaseImage();
    if (Hold(LibLoadBmpFile(path)) == 0) {
        return 0;
    }
    if (LibTestImage(image_) != 0) {
        LibAdjustImage(image_);
    }
    return 1;
}

int ImageObject::LoadJpeg(const std::string& path) {
    ReleaseImage();
    return Hold(LibLoadJpegFile(path));
}

int ImageObject::LoadGif(const std::string& path) {
    ReleaseImage();
    return Hold(LibLoadGifFile(path));
}

int ImageObject::LoadPng(const std::string& path) {
    ReleaseImage();
    return Hold(LibLoadPngFile(path));
}

int ImageObject::GetHeader(InfoHeaderBytes& header) const {
    return image_ != nullptr && LibGetHeader(image_, header) == 1 ? 1 : 0;
}

std::optional<Size> ImageObject::HeldImageSize() const {
    InfoHeaderBytes header{};
    if (GetHeader(header) == 0) {
        return std::nullopt;
    }
    return Size{HeaderWidth(header), std::abs(HeaderHeight(header))}; // top-down images have negative heights
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
        const Size size{HeaderWidth(header), HeaderHeight(header)};
        const Size screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        // Without a screen size there is nothing to fit to, and the image is saved as it is.
        const std::optional<Size> target = SaveBitmapSize(size, screen, fitMode);
        if (target && *target != size) {
            LibResize(image_, target->width, target->height);
        }
    }
    const int result = LibSaveBmpFile(path, image_);
    ReleaseImage();
    return result;
}

int ImageObject::DrawFitted(HDC dc, int x, int y, int width, int height) {
    InfoHeaderBytes header{};
    const int headerResult = LibGetHeader(image_, header);
    if (headerResult != 1) {
        return headerResult;
    }
    const Size size{HeaderWidth(header), HeaderHeight(header)};
    const std::optional<Rect> target = DrawFittedRect(size, Rect{x, y, width, height});
    if (!target) {
        return 0;
    }
    return LibDraw(dc, target->x, target->y, target->width, target->height, image_, 0, 0, size.width, size.height,
                   SRCCOPY, HALFTONE);
}

int ImageObject::LoadPlugin(const std::string& path) {
    plugin_.Reset();
    plugin_.Reset(LoadPluginModule(path));
    return plugin_ ? 1 : 0;
}

int ImageObject::FreePlugin() {
    if (!plugin_) {
        return 0;
    }
    return FreeLibrary(plugin_.Release()) ? 1 : 0;
}

} // namespace pelaconf
