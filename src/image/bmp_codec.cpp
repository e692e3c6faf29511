#include "image/bmp_codec.h"

#include "image/little_endian.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <exception>

namespace pelaconf {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr uint32_t kOpaque = 0xFF000000u;

uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) { return kOpaque | red << 16 | green << 8 | blue; }

// One colour channel of a bit-field pixel: where it sits and how to widen it to 8 bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint64_t maximum = 0;

    uint32_t Extract(uint32_t pixel) const {
        if (maximum == 0) {
            return 0xFF;
        }
        const uint64_t value = (pixel & mask) >> shift;
        if (maximum == 0xFF) {
            return static_cast<uint32_t>(value);
        }
        return static_cast<uint32_t>((value * 255 + maximum / 2) / maximum);
    }
};

Channel MakeChannel(uint32_t mask) {
    Channel channel;
    if (mask != 0) {
        channel.mask = mask;
        channel.shift = std::countr_zero(mask);
        channel.maximum = mask >> channel.shift;
    }
    return channel;
}

// Everything the pixel decoders need, taken from checked headers.
struct Layout {
    BmpHeader header;
    int width = 0;
    int height = 0;
    bool topDown = false;
    std::array<uint32_t, 256> palette{};
    std::array<Channel, 4> channels{}; // red, green, blue, alpha

    bool IsCompressed() const { return header.compression == kBmpRle8 || header.compression == kBmpRle4; }
    // Bytes in a stored row of uncompressed data: whole 32-bit words.
    uint64_t RowStride() const { return (uint64_t{static_cast<uint32_t>(width)} * header.bitCount + 31) / 32 * 4; }
    // Bytes the pixels of a row take, without the padding.
    uint64_t RowBytes() const { return (uint64_t{static_cast<uint32_t>(width)} * header.bitCount + 7) / 8; }
};

bool IsContiguous(uint32_t mask) {
    const uint32_t shifted = mask >> std::countr_zero(mask);
    return (shifted & (shifted + 1)) == 0;
}

bool AreValidMasks(const std::array<uint32_t, 4>& masks, uint16_t bitCount) {
    const uint64_t limit = uint64_t{1} << bitCount;
    uint32_t seen = 0;
    for (size_t i = 0; i < masks.size(); ++i) {
        const uint32_t mask = masks[i];
        if (mask == 0) {
            if (i < 3) {
                return false; // red, green and blue must each be present; alpha is optional
            }
            continue;
        }
        if (mask >= limit || !IsContiguous(mask) || (mask & seen) != 0) {
            return false;
        }
        seen |= mask;
    }
    return true;
}

bool IsKnownHeaderSize(uint32_t size) {
    switch (size) {
    case 12:
    case 40:
    case 52:
    case 56:
    case 64:
    case 108:
    case 124: return true;
    default: return false;
    }
}

bool IsSupportedFormat(const BmpHeader& header) {
    const bool core = header.headerSize == 12;
    // In the OS/2 2.x header, compression 3 is Huffman coding, not bit fields.
    const bool bitFields = header.compression == kBmpBitFields && header.headerSize != 64;
    switch (header.bitCount) {
    case 1:
    case 24: return header.compression == kBmpRgb;
    case 4: return header.compression == kBmpRgb || (!core && header.compression == kBmpRle4);
    case 8: return header.compression == kBmpRgb || (!core && header.compression == kBmpRle8);
    case 16:
    case 32: return !core && (header.compression == kBmpRgb || bitFields);
    default: return false;
    }
}

BmpError ReadFields(std::string_view file, BmpHeader& header) {
    if (file.size() < kFileHeaderSize + 4) {
        return BmpError::Truncated;
    }
    if (file[0] != 'B' || file[1] != 'M') {
        return BmpError::NotBmp;
    }
    header.pixelOffset = ReadLe32(file, 10);
    header.headerSize = ReadLe32(file, kFileHeaderSize);
    const uint32_t size = header.headerSize;
    if (!IsKnownHeaderSize(size)) {
        return BmpError::UnsupportedHeader;
    }
    if (file.size() < kFileHeaderSize + size) {
        return BmpError::Truncated;
    }
    const size_t at = kFileHeaderSize;
    if (size == 12) {
        header.width = ReadLe16(file, at + 4);
        header.height = ReadLe16(file, at + 6);
        header.bitCount = ReadLe16(file, at + 10);
    } else {
        header.width = static_cast<int32_t>(ReadLe32(file, at + 4));
        header.height = static_cast<int32_t>(ReadLe32(file, at + 8));
        header.bitCount = ReadLe16(file, at + 14);
        header.compression = ReadLe32(file, at + 16);
        header.colourCount = ReadLe32(file, at + 32);
    }
    return BmpError::None;
}

BmpError CheckSize(const BmpHeader& header) {
    if (header.width <= 0 || header.height == 0) {
        return BmpError::BadSize;
    }
    const auto rows = static_cast<uint64_t>(std::abs(int64_t{header.height}));
    return FitsPictureLimit(static_cast<uint64_t>(header.width), rows) ? BmpError::None : BmpError::TooLarge;
}

// Reads the colour masks; `tablesAt` moves past masks stored after a 40-byte header. The 52-byte
// header holds the red, green and blue masks, the larger ones an alpha mask too.
BmpError ReadMasks(std::string_view file, Layout& layout, size_t& tablesAt) {
    const BmpHeader& header = layout.header;
    std::array<uint32_t, 4> masks{};
    if (header.compression == kBmpBitFields) {
        const size_t at = kFileHeaderSize + kInfoHeaderSize;
        if (header.headerSize == kInfoHeaderSize) {
            tablesAt += 12;
            if (file.size() < tablesAt) {
                return BmpError::Truncated;
            }
        }
        const bool withAlpha = header.headerSize != kInfoHeaderSize && header.headerSize != 52;
        for (size_t i = 0; i < (withAlpha ? 4u : 3u); ++i) {
            masks[i] = ReadLe32(file, at + 4 * i);
        }
        if (!AreValidMasks(masks, header.bitCount)) {
            return BmpError::BadBitFields;
        }
    } else if (header.bitCount == 16) {
        masks = {0x7C00, 0x03E0, 0x001F, 0};
    } else {
        masks = {0xFF0000, 0xFF00, 0xFF, 0};
    }
    for (size_t i = 0; i < masks.size(); ++i) {
        layout.channels[i] = MakeChannel(masks[i]);
    }
    return BmpError::None;
}

// Reads the colours the bit count can index. A table may declare more than that; the extra
// entries are unused but still stored, so `tablesEnd` moves past the whole declared table.
BmpError ReadPalette(std::string_view file, Layout& layout, uint64_t& tablesEnd) {
    BmpHeader& header = layout.header;
    layout.palette.fill(kOpaque); // indexes past the declared colours draw black
    if (header.bitCount > 8) {
        header.colourCount = 0;
        return BmpError::None;
    }
    const uint32_t maximum = 1u << header.bitCount;
    const bool core = header.headerSize == 12;
    const uint32_t declared = core || header.colourCount == 0 ? maximum : header.colourCount;
    header.colourCount = std::min(declared, maximum);
    const size_t entrySize = core ? 3 : 4;
    const size_t at = static_cast<size_t>(tablesEnd);
    if ((file.size() - at) / entrySize < header.colourCount) {
        return BmpError::Truncated;
    }
    for (uint32_t i = 0; i < header.colourCount; ++i) {
        const auto byte = [&](size_t k) { return static_cast<uint8_t>(file[at + i * entrySize + k]); };
        layout.palette[i] = Rgb(byte(2), byte(1), byte(0));
    }
    tablesEnd += uint64_t{declared} * entrySize;
    return BmpError::None;
}

// A pixel offset of 0, or one that points inside the headers or colour table, means the pixels
// follow the table.
BmpError FindPixels(std::string_view file, BmpHeader& header, uint64_t tablesEnd) {
    if (tablesEnd > file.size()) {
        return BmpError::Truncated;
    }
    const uint64_t at = std::max(uint64_t{header.pixelOffset}, tablesEnd);
    if (at >= file.size() || at > UINT32_MAX) {
        return BmpError::BadPixelOffset;
    }
    header.pixelOffset = static_cast<uint32_t>(at);
    return BmpError::None;
}

BmpError ReadLayout(std::string_view file, Layout& layout) {
    BmpHeader& header = layout.header;
    BmpError error = ReadFields(file, header);
    if (error == BmpError::None) {
        error = CheckSize(header);
    }
    if (error != BmpError::None) {
        return error;
    }
    layout.topDown = header.height < 0;
    // Compressed data is always stored bottom-up.
    if (!IsSupportedFormat(header) || (layout.topDown && layout.IsCompressed())) {
        return BmpError::UnsupportedFormat;
    }
    layout.width = header.width;
    layout.height = static_cast<int>(std::abs(int64_t{header.height}));
    size_t tablesAt = kFileHeaderSize + header.headerSize;
    if ((error = ReadMasks(file, layout, tablesAt)) != BmpError::None) {
        return error;
    }
    uint64_t tablesEnd = tablesAt;
    if ((error = ReadPalette(file, layout, tablesEnd)) != BmpError::None) {
        return error;
    }
    return FindPixels(file, header, tablesEnd);
}

// ---- Uncompressed rows

void DecodeIndexedRow(const uint8_t* row, const Layout& layout, uint32_t* out) {
    const int bits = layout.header.bitCount;
    const uint32_t mask = (1u << bits) - 1;
    const int perByte = 8 / bits;
    for (int x = 0; x < layout.width; ++x) {
        const int shift = 8 - bits * (x % perByte + 1);
        out[x] = layout.palette[(row[x / perByte] >> shift) & mask];
    }
}

void DecodeDirectRow(const uint8_t* row, const Layout& layout, uint32_t* out) {
    const int width = layout.width;
    if (layout.header.bitCount == 24) {
        for (int x = 0; x < width; ++x, row += 3) {
            out[x] = Rgb(row[2], row[1], row[0]);
        }
        return;
    }
    const auto& c = layout.channels;
    const bool wide = layout.header.bitCount == 32;
    for (int x = 0; x < width; ++x) {
        const uint32_t pixel =
            wide ? row[0] | row[1] << 8 | row[2] << 16 | static_cast<uint32_t>(row[3]) << 24 : row[0] | row[1] << 8;
        row += wide ? 4 : 2;
        out[x] = c[3].Extract(pixel) << 24 | c[0].Extract(pixel) << 16 | c[1].Extract(pixel) << 8 | c[2].Extract(pixel);
    }
}

// Checked before the picture is allocated, so that a short file cannot claim a huge picture.
// Some writers leave out the padding of the last row.
bool HasAllRows(std::string_view file, const Layout& layout) {
    const size_t available = file.size() - layout.header.pixelOffset;
    return layout.RowStride() * static_cast<uint64_t>(layout.height - 1) + layout.RowBytes() <= available;
}

void DecodeRows(std::string_view file, const Layout& layout, Picture& picture) {
    const uint64_t stride = layout.RowStride();
    const auto* pixels = reinterpret_cast<const uint8_t*>(file.data()) + layout.header.pixelOffset;
    for (int y = 0; y < layout.height; ++y) {
        const uint8_t* row = pixels + stride * static_cast<uint64_t>(y);
        const int target = layout.topDown ? y : layout.height - 1 - y;
        uint32_t* out = picture.bgra.data() + static_cast<size_t>(target) * static_cast<size_t>(layout.width);
        if (layout.header.bitCount > 8) {
            DecodeDirectRow(row, layout, out);
        } else {
            DecodeIndexedRow(row, layout, out);
        }
    }
}

// ---- Run-length encoded data (always bottom-up)

class RleDecoder {
public:
    RleDecoder(std::string_view file, const Layout& layout, Picture& picture)
        : data_(file.substr(layout.header.pixelOffset)), layout_(layout), picture_(picture),
          nibbles_(layout.header.compression == kBmpRle4),
          storedWidth_(static_cast<int>(layout.RowStride() * 8 / layout.header.bitCount)) {}

    BmpError Run() {
        for (;;) {
            if (data_.size() - at_ < 2) {
                return BmpError::Truncated;
            }
            const uint8_t count = Byte(at_);
            const uint8_t value = Byte(at_ + 1);
            at_ += 2;
            BmpError error = BmpError::None;
            if (count > 0) {
                error = Repeat(count, value);
            } else if (value == 1) {
                return BmpError::None;
            } else {
                error = value == 0 ? EndOfLine() : value == 2 ? Jump() : Literal(value);
            }
            if (error != BmpError::None) {
                return error;
            }
        }
    }

private:
    uint8_t Byte(size_t at) const { return static_cast<uint8_t>(data_[at]); }

    // Room for `count` pixels at the current position. Encoders may fill a row up to its stored
    // width, padded as an uncompressed row would be; pixels in that padding are dropped.
    bool Fits(int count) const { return y_ < layout_.height && count <= storedWidth_ - x_; }

    void Put(uint32_t index) {
        if (x_ < layout_.width) {
            const size_t row = static_cast<size_t>(layout_.height - 1 - y_);
            picture_.bgra[row * static_cast<size_t>(layout_.width) + static_cast<size_t>(x_)] = layout_.palette[index];
        }
        ++x_;
    }

    BmpError Repeat(int count, uint8_t value) {
        if (!Fits(count)) {
            return BmpError::BadRle;
        }
        for (int i = 0; i < count; ++i) {
            Put(!nibbles_ ? value : i % 2 == 0 ? value >> 4 : value & 0x0F);
        }
        return BmpError::None;
    }

    BmpError Literal(int count) {
        const size_t bytes = nibbles_ ? (static_cast<size_t>(count) + 1) / 2 : static_cast<size_t>(count);
        const size_t padded = (bytes + 1) & ~size_t{1}; // literal runs end on a 16-bit boundary
        if (data_.size() - at_ < padded) {
            return BmpError::Truncated;
        }
        if (!Fits(count)) {
            return BmpError::BadRle;
        }
        for (int i = 0; i < count; ++i) {
            const uint8_t byte = Byte(at_ + static_cast<size_t>(nibbles_ ? i / 2 : i));
            Put(!nibbles_ ? byte : i % 2 == 0 ? byte >> 4 : byte & 0x0F);
        }
        at_ += padded;
        return BmpError::None;
    }

    BmpError EndOfLine() {
        x_ = 0;
        return ++y_ > layout_.height ? BmpError::BadRle : BmpError::None;
    }

    BmpError Jump() {
        if (data_.size() - at_ < 2) {
            return BmpError::Truncated;
        }
        x_ += Byte(at_);
        y_ += Byte(at_ + 1);
        at_ += 2;
        return x_ > storedWidth_ || y_ > layout_.height ? BmpError::BadRle : BmpError::None;
    }

    std::string_view data_;
    const Layout& layout_;
    Picture& picture_;
    bool nibbles_;
    int storedWidth_;
    size_t at_ = 0;
    int x_ = 0;
    int y_ = 0; // rows from the bottom
};

} // namespace

BmpHeaderResult ReadBmpHeader(std::string_view file) {
    Layout layout;
    const BmpError error = ReadLayout(file, layout);
    return {error, error == BmpError::None ? layout.header : BmpHeader{}};
}

BmpDecodeResult DecodeBmp(std::string_view file) {
    Layout layout;
    BmpError error = ReadLayout(file, layout);
    if (error != BmpError::None) {
        return {error, {}};
    }
    if (!layout.IsCompressed() && !HasAllRows(file, layout)) {
        return {BmpError::Truncated, {}};
    }
    BmpDecodeResult result;
    try {
        const size_t pixels = static_cast<size_t>(layout.width) * static_cast<size_t>(layout.height);
        result.picture.bgra.assign(pixels, kOpaque);
    } catch (const std::exception&) { // bad_alloc, or length_error past a container's limit
        return {BmpError::OutOfMemory, {}};
    }
    result.picture.width = layout.width;
    result.picture.height = layout.height;
    if (!layout.IsCompressed()) {
        DecodeRows(file, layout, result.picture);
    } else if ((error = RleDecoder(file, layout, result.picture).Run()) != BmpError::None) {
        return {error, {}};
    }
    return result;
}

std::array<uint8_t, 40> MakeInfoHeader(int32_t width, int32_t height, uint16_t bitCount) {
    const uint64_t stride = (uint64_t{static_cast<uint32_t>(std::max(width, 0))} * bitCount + 31) / 32 * 4;
    const uint64_t imageSize = stride * static_cast<uint64_t>(std::abs(int64_t{height}));
    std::array<uint8_t, 40> header{};
    WriteLe32(&header[0], kInfoHeaderSize);
    WriteLe32(&header[4], static_cast<uint32_t>(width));
    WriteLe32(&header[8], static_cast<uint32_t>(height));
    WriteLe16(&header[12], 1);
    WriteLe16(&header[14], bitCount);
    // 0 is allowed for uncompressed data when the true size does not fit.
    WriteLe32(&header[20], imageSize <= UINT32_MAX ? static_cast<uint32_t>(imageSize) : 0);
    return header;
}

std::string EncodeBmp24(const Picture& picture) {
    if (!IsValidPicture(picture)) {
        return {};
    }
    const size_t width = static_cast<size_t>(picture.width);
    const size_t stride = (width * 3 + 3) & ~size_t{3};
    const uint64_t fileSize =
        kFileHeaderSize + kInfoHeaderSize + uint64_t{stride} * static_cast<uint64_t>(picture.height);
    if (fileSize > UINT32_MAX) {
        return {};
    }
    std::string file;
    try {
        file.assign(static_cast<size_t>(fileSize), '\0');
    } catch (const std::exception&) { // bad_alloc, or length_error past a container's limit
        return {};
    }
    file[0] = 'B';
    file[1] = 'M';
    WriteLe32(&file[2], static_cast<uint32_t>(fileSize));
    WriteLe32(&file[10], kFileHeaderSize + kInfoHeaderSize);
    const auto info = MakeInfoHeader(picture.width, picture.height, 24);
    std::copy(info.begin(), info.end(), file.begin() + kFileHeaderSize);
    char* row = file.data() + kFileHeaderSize + kInfoHeaderSize;
    for (int y = picture.height - 1; y >= 0; --y, row += stride) {
        const uint32_t* in = picture.bgra.data() + static_cast<size_t>(y) * width;
        for (size_t x = 0; x < width; ++x) {
            row[3 * x] = static_cast<char>(in[x] & 0xFF);
            row[3 * x + 1] = static_cast<char>((in[x] >> 8) & 0xFF);
            row[3 * x + 2] = static_cast<char>((in[x] >> 16) & 0xFF);
        }
    }
    return file;
}

} // namespace pelaconf
