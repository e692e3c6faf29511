#include "image/image_library.h"

#include "image/bmp_codec.h"
#include "image/library_image.h"
#include "image/little_endian.h"
#include "image/resampler.h"

#include <atomic>
#include <new>
#include <string_view>

namespace pelaconf {
namespace {

constexpr uint32_t kAlphaMask = 0xFF000000u;

std::atomic<int> liveImages{0};

int32_t ReadSigned32(const InfoHeaderBytes& header, size_t at) { return static_cast<int32_t>(ReadLe32(header, at)); }

} // namespace

LibImageHandle LibAdoptPicture(Picture picture) {
    if (!IsValidPicture(picture)) {
        return nullptr;
    }
    auto* image = new (std::nothrow) LibImage{std::move(picture)};
    if (image != nullptr) {
        ++liveImages;
    }
    return image;
}

LibImageHandle LibLoadBmpMemory(const void* data, size_t size) {
    if (data == nullptr) {
        return nullptr;
    }
    BmpDecodeResult decoded = DecodeBmp(std::string_view(static_cast<const char*>(data), size));
    if (decoded.error != BmpError::None) {
        return nullptr;
    }
    return LibAdoptPicture(std::move(decoded.picture));
}

int LibPostLoad() { return 1; }

int LibTestImage(LibImageHandle image) {
    if (image == nullptr) {
        return 0;
    }
    for (const uint32_t pixel : image->picture.bgra) {
        if ((pixel & kAlphaMask) != kAlphaMask) {
            return 1;
        }
    }
    return 0;
}

int LibAdjustImage(LibImageHandle image) {
    if (image == nullptr) {
        return 0;
    }
    for (uint32_t& pixel : image->picture.bgra) {
        pixel |= kAlphaMask;
    }
    return 1;
}

int LibGetHeader(LibImageHandle image, InfoHeaderBytes& header) {
    if (image == nullptr) {
        return 0;
    }
    header = MakeInfoHeader(image->picture.width, image->picture.height, 32);
    return 1;
}

int LibResize(LibImageHandle image, int width, int height) {
    if (image == nullptr) {
        return 0;
    }
    std::optional<Picture> resized = Resize(image->picture, width, height);
    if (!resized) {
        return 0;
    }
    image->picture = std::move(*resized);
    return 1;
}

int LibRelease(LibImageHandle image) {
    if (image == nullptr) {
        return 0;
    }
    delete image;
    --liveImages;
    return 1;
}

int LibLiveImageCount() { return liveImages.load(); }

int32_t HeaderWidth(const InfoHeaderBytes& header) { return ReadSigned32(header, 4); }

int32_t HeaderHeight(const InfoHeaderBytes& header) { return ReadSigned32(header, 8); }

} // namespace pelaconf
