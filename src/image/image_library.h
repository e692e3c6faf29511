#pragma once
// The image library: images behind opaque handles, each released exactly once with LibRelease.
// This header holds the portable operations; image_library_win.h adds the file loaders, drawing
// and saving of the Windows builds.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace pelaconf {

struct LibImage;
using LibImageHandle = LibImage*; // null means no image

// A 40-byte bitmap information header as LibGetHeader fills it.
using InfoHeaderBytes = std::array<uint8_t, 40>;

// The image in a complete BMP file image in memory; null when the data is not a BMP file our
// reader accepts. The caller keeps and frees the buffer.
LibImageHandle LibLoadBmpMemory(const void* data, size_t size);

// Called once right after LibLoadBmpMemory; there is nothing left to do then. Returns 1.
int LibPostLoad();

// 1 when the image carries transparency, which a wallpaper and a preview cannot show; 0 otherwise.
int LibTestImage(LibImageHandle image);

// Makes every pixel opaque, keeping its colour; the handle stays valid. 1 on success.
int LibAdjustImage(LibImageHandle image);

// Fills a 40-byte header for the image (32 bits, width and positive height); 1 on success.
int LibGetHeader(LibImageHandle image, InfoHeaderBytes& header);

// Scales the image in place; on failure (a size that is not positive or too large, or no memory)
// the image keeps its size. 1 on success, 0 on failure.
int LibResize(LibImageHandle image, int width, int height);

// Frees the image; null is ignored. Returns 1 for a released image, 0 for null.
int LibRelease(LibImageHandle image);

// The one owner of an image, which releases it with LibRelease.
struct LibImageRelease {
    void operator()(LibImageHandle image) const { LibRelease(image); }
};
using OwnedLibImage = std::unique_ptr<LibImage, LibImageRelease>;

// How many images are alive: made and not yet released. Tests check that it returns to zero.
int LibLiveImageCount();

// The signed width and height of a header filled by LibGetHeader.
int32_t HeaderWidth(const InfoHeaderBytes& header);
int32_t HeaderHeight(const InfoHeaderBytes& header);

} // namespace pelaconf
