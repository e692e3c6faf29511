#pragma once
// Turns the two memory blocks a Susie plug-in returns (a bitmap information header with its
// colour table, and the pixel rows) into one complete BMP file image. Pure: bytes in, bytes out;
// neither block is read beyond the size given for it.

#include "image/bmp_codec.h"

#include <cstdint>
#include <span>
#include <string>

namespace pelaconf {

struct PluginBitmapResult {
    BmpError error = BmpError::None;
    std::string file; // the BMP file image; empty on error
};

// The file image is "BM", its size, two zero words and the pixel offset, then the 40-byte header
// copied unchanged but for a colour count above 256 (stated as 256), then for 8 bits or fewer a
// 256-entry colour table (the entries the header declares as far as the block holds them, the
// rest zero) or for bit fields the three colour masks, then the pixel bytes: whole
// 32-bit words per row times the number of rows, top-down (negative height) or bottom-up.
PluginBitmapResult BuildPluginBmpFile(std::span<const uint8_t> infoBlock, std::span<const uint8_t> pixelBlock);

} // namespace pelaconf
