#include "susie/plugin_bitmap.h"

#include "image/little_endian.h"
#include "image/picture.h"

#include <algorithm>
#include <cstdlib>
#include <exception>

namespace pelaconf {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr size_t kPaletteEntries = 256;
constexpr size_t kMaskBytes = 12;

void Write32(std::string& out, size_t at, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) {
        out[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

// What follows the header in the file, and how many pixel bytes the rows take.
struct PluginLayout {
    size_t tableBytes = 0;        // colour table or masks, as written to the file
    size_t tableBytesPresent = 0; // of those, how many the information block really holds
    bool paletted = false;
    uint32_t colourCount = 0; // as the file's header states it
    uint64_t pixelBytes = 0;
};

// The block holds the colour table its header declares (every colour the bit count indexes when
// it declares none), as far as the block reaches. Only those entries are copied: any others are
// left black. The file's table has 256 entries, so a larger count is stated as 256; the bit
// count indexes no more.
void ReadColourTable(std::span<const uint8_t> info, uint16_t bitCount, PluginLayout& layout) {
    const uint32_t colourCount = ReadLe32(info, 32);
    const uint64_t declared = colourCount == 0 ? 1u << bitCount : colourCount;
    const size_t extra = info.size() - kInfoHeaderSize;
    layout.paletted = true;
    layout.tableBytes = 4 * kPaletteEntries;
    layout.tableBytesPresent =
        static_cast<size_t>(std::min<uint64_t>({4 * declared, extra / 4 * 4, layout.tableBytes}));
    layout.colourCount = std::min<uint32_t>(colourCount, kPaletteEntries);
}

BmpError CheckFormat(uint16_t bitCount, uint32_t compression) {
    switch (bitCount) {
    case 1:
    case 4:
    case 8:
    case 24: return compression == kBmpRgb ? BmpError::None : BmpError::UnsupportedFormat;
    case 16:
    case 32:
        return compression == kBmpRgb || compression == kBmpBitFields ? BmpError::None : BmpError::UnsupportedFormat;
    default: return BmpError::UnsupportedFormat;
    }
}

BmpError ReadLayout(std::span<const uint8_t> info, PluginLayout& layout) {
    if (info.size() < kInfoHeaderSize) {
        return BmpError::Truncated;
    }
    if (ReadLe32(info, 0) != kInfoHeaderSize) {
        return BmpError::UnsupportedHeader;
    }
    const int32_t width = static_cast<int32_t>(ReadLe32(info, 4));
    const int32_t height = static_cast<int32_t>(ReadLe32(info, 8));
    const uint16_t bitCount = ReadLe16(info, 14);
    const uint32_t compression = ReadLe32(info, 16);
    if (const BmpError error = CheckFormat(bitCount, compression); error != BmpError::None) {
        return error;
    }
    if (width <= 0 || height == 0) {
        return BmpError::BadSize;
    }
    const uint64_t rows = static_cast<uint64_t>(std::abs(int64_t{height}));
    if (!FitsPictureLimit(static_cast<uint32_t>(width), rows)) {
        return BmpError::TooLarge;
    }
    if (bitCount <= 8) {
        ReadColourTable(info, bitCount, layout);
    } else if (compression == kBmpBitFields) {
        if (info.size() - kInfoHeaderSize < kMaskBytes) {
            return BmpError::Truncated; // masks announced but not there
        }
        layout.tableBytes = layout.tableBytesPresent = kMaskBytes;
    }
    layout.pixelBytes = (uint64_t{static_cast<uint32_t>(width)} * bitCount + 31) / 32 * 4 * rows;
    return BmpError::None;
}

} // namespace

PluginBitmapResult BuildPluginBmpFile(std::span<const uint8_t> infoBlock, std::span<const uint8_t> pixelBlock) {
    PluginLayout layout;
    if (const BmpError error = ReadLayout(infoBlock, layout); error != BmpError::None) {
        return {error, {}};
    }
    if (pixelBlock.size() < layout.pixelBytes) {
        return {BmpError::Truncated, {}};
    }
    const size_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + layout.tableBytes;
    const uint64_t totalSize = pixelOffset + layout.pixelBytes;
    if (totalSize > UINT32_MAX) {
        return {BmpError::TooLarge, {}};
    }
    PluginBitmapResult result;
    try {
        result.file.assign(static_cast<size_t>(totalSize), '\0');
    } catch (const std::exception&) { // bad_alloc, or length_error past a container's limit
        return {BmpError::OutOfMemory, {}};
    }
    std::string& file = result.file;
    file[0] = 'B';
    file[1] = 'M';
    Write32(file, 2, static_cast<uint32_t>(totalSize));
    Write32(file, 10, static_cast<uint32_t>(pixelOffset));
    const size_t copied = kInfoHeaderSize + layout.tableBytesPresent;
    std::copy_n(infoBlock.begin(), copied, file.begin() + kFileHeaderSize);
    if (layout.paletted) {
        Write32(file, kFileHeaderSize + 32, layout.colourCount);
    }
    std::copy_n(pixelBlock.begin(), static_cast<size_t>(layout.pixelBytes), file.begin() + pixelOffset);
    return result;
}

} // namespace pelaconf
