#pragma once
// Our own BMP reader and writer. The reader takes a whole BMP file image in memory and trusts
// nothing in it: every size, offset and run is checked against the data.

#include "image/picture.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace pelaconf {

enum class BmpError {
    None,
    Truncated,         // the data ends before a header, palette, mask or pixel the file declares
    NotBmp,            // no "BM" signature
    UnsupportedHeader, // a header size other than 12, 40, 52, 56, 64, 108 or 124
    UnsupportedFormat, // a bit count or compression (or a combination of them) not handled
    BadSize,           // a width or height of zero, or a negative width
    TooLarge,          // more pixels than kMaxPicturePixels
    BadBitFields,      // a colour mask that is zero, not contiguous, overlapping or too wide
    BadPixelOffset,    // pixel data that starts at or past the end
    BadRle,            // a run or jump that leaves the picture
    OutOfMemory,
};

// The compression values of the BMP format.
enum BmpCompression : uint32_t {
    kBmpRgb = 0,
    kBmpRle8 = 1,
    kBmpRle4 = 2,
    kBmpBitFields = 3,
};

// What the headers of a BMP file say, checked for consistency but without the pixel data.
struct BmpHeader {
    uint32_t headerSize = 0; // 12, 40, 52, 56, 64 (the OS/2 2.x header), 108 or 124
    int32_t width = 0;
    int32_t height = 0; // negative for a top-down file
    uint16_t bitCount = 0;
    uint32_t compression = kBmpRgb;
    uint32_t pixelOffset = 0; // where the pixels are read, from the start of the file
    uint32_t colourCount = 0; // palette entries used: at most what the bit count indexes, 0 above 8 bits
};

struct BmpHeaderResult {
    BmpError error = BmpError::None;
    BmpHeader header;
};

struct BmpDecodeResult {
    BmpError error = BmpError::None;
    Picture picture;
};

BmpHeaderResult ReadBmpHeader(std::string_view file);

// Decodes a whole BMP file image to a top-down 32-bit picture. Alpha is 255 except where bit
// fields carry an alpha mask; pixels an RLE file skips, and palette indexes past the colours the
// file declares, are opaque black. A pixel offset of 0 or one inside the headers and colour table
// reads the pixels right after the table; the last row may lack its padding.
BmpDecodeResult DecodeBmp(std::string_view file);

// A 24-bit bottom-up BMP file image (file header and 40-byte information header); empty when the
// picture is not valid.
std::string EncodeBmp24(const Picture& picture);

// A 40-byte BMP information header for an uncompressed picture of the given size and bit count;
// the height is stored as given, negative for top-down.
std::array<uint8_t, 40> MakeInfoHeader(int32_t width, int32_t height, uint16_t bitCount);

} // namespace pelaconf
