#include "image/bmp_codec.h"

#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
#include <optional>

namespace pelaconf {
namespace {

constexpr uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;
constexpr uint32_t kWhite = 0xFFFFFFFF, kBlack = 0xFF000000;

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (const int v : values) {
        out.push_back(static_cast<char>(v));
    }
    return out;
}

void Put16(std::string& out, uint32_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void Put32(std::string& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// Rows in file order, each padded to 4 bytes.
std::string Rows(std::initializer_list<std::string> rows) {
    std::string out;
    for (const auto& row : rows) {
        out += row;
        out.append((4 - row.size() % 4) % 4, '\0');
    }
    return out;
}

// Builds a BMP file image in memory, field by field, so that every field can be made wrong.
struct BmpBuilder {
    uint32_t headerSize = 40;
    int32_t width = 1;
    int32_t height = 1;
    uint16_t bitCount = 24;
    uint32_t compression = kBmpRgb;
    uint32_t colourCount = 0;
    std::vector<uint32_t> palette;                // 0xRRGGBB
    std::optional<std::array<uint32_t, 4>> masks; // red, green, blue, alpha
    std::string pixels;
    std::optional<uint32_t> pixelOffset;

    std::string Header() const {
        std::string out;
        Put32(out, headerSize);
        if (headerSize == 12) {
            Put16(out, static_cast<uint32_t>(width));
            Put16(out, static_cast<uint32_t>(height));
            Put16(out, 1);
            Put16(out, bitCount);
            return out;
        }
        Put32(out, static_cast<uint32_t>(width));
        Put32(out, static_cast<uint32_t>(height));
        Put16(out, 1);
        Put16(out, bitCount);
        Put32(out, compression);
        Put32(out, static_cast<uint32_t>(pixels.size()));
        Put32(out, 2835);
        Put32(out, 2835);
        Put32(out, colourCount);
        Put32(out, 0);
        const size_t maskCount = headerSize == 40 || headerSize == 52 ? 3 : 4;
        for (size_t i = 0; masks && i < maskCount; ++i) {
            Put32(out, (*masks)[i]);
        }
        out.resize(std::max<size_t>(out.size(), headerSize), '\0');
        return out;
    }

    std::string Build() const {
        std::string tables = Header();
        for (const uint32_t colour : palette) {
            tables += Bytes({static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                             static_cast<int>((colour >> 16) & 0xFF)});
            if (headerSize != 12) {
                tables.push_back('\0');
            }
        }
        std::string file = "BM";
        Put32(file, static_cast<uint32_t>(14 + tables.size() + pixels.size()));
        Put32(file, 0);
        Put32(file, pixelOffset.value_or(static_cast<uint32_t>(14 + tables.size())));
        return file + tables + pixels;
    }
};

BmpBuilder Paletted(uint16_t bitCount, int32_t width, int32_t height, std::string pixels) {
    BmpBuilder bmp;
    bmp.bitCount = bitCount;
    bmp.width = width;
    bmp.height = height;
    bmp.palette = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF};
    bmp.palette.resize(std::min<size_t>(bmp.palette.size(), size_t{1} << bitCount));
    bmp.colourCount = static_cast<uint32_t>(bmp.palette.size());
    bmp.pixels = std::move(pixels);
    return bmp;
}

BmpBuilder Rle(uint16_t bitCount, int32_t width, int32_t height, std::string data) {
    BmpBuilder bmp = Paletted(bitCount, width, height, std::move(data));
    bmp.compression = bitCount == 8 ? kBmpRle8 : kBmpRle4;
    return bmp;
}

BmpBuilder BitFields(uint32_t headerSize, uint16_t bitCount, std::array<uint32_t, 4> masks, std::string pixels) {
    BmpBuilder bmp;
    bmp.headerSize = headerSize;
    bmp.bitCount = bitCount;
    bmp.compression = kBmpBitFields;
    bmp.masks = masks;
    bmp.width = 2;
    bmp.pixels = std::move(pixels);
    return bmp;
}

// Decodes from a heap block of exactly the file's size, so that the sanitizer sees any read past it.
BmpDecodeResult DecodeExact(std::string_view file) {
    const std::vector<char> exact(file.begin(), file.end());
    return DecodeBmp(std::string_view(exact.data(), exact.size()));
}

std::vector<uint32_t> Decode(const BmpBuilder& bmp) {
    const BmpDecodeResult result = DecodeExact(bmp.Build());
    EXPECT_EQ(result.error, BmpError::None);
    return result.picture.bgra;
}

BmpError ErrorOf(const BmpBuilder& bmp) { return DecodeExact(bmp.Build()).error; }

using Pixels = std::vector<uint32_t>;

// ---- Reading

TEST(DecodeBmp, Reads24BitRowsBottomUpOrTopDownSkippingRowPadding) {
    BmpBuilder bmp;
    bmp.width = 3;
    bmp.height = 2;
    bmp.pixels = Rows({Bytes({0, 0, 255, 0, 255, 0, 255, 0, 0}), Bytes({255, 255, 255, 0, 0, 0, 1, 2, 3})});
    const BmpDecodeResult bottomUp = DecodeExact(bmp.Build());
    ASSERT_EQ(bottomUp.error, BmpError::None);
    EXPECT_EQ(bottomUp.picture.width, 3);
    EXPECT_EQ(bottomUp.picture.height, 2);
    EXPECT_EQ(bottomUp.picture.bgra, (Pixels{kWhite, kBlack, 0xFF030201, kRed, kGreen, kBlue}));

    bmp.height = -2;
    const BmpDecodeResult topDown = DecodeExact(bmp.Build());
    EXPECT_EQ(topDown.picture.height, 2);
    EXPECT_EQ(topDown.picture.bgra, (Pixels{kRed, kGreen, kBlue, kWhite, kBlack, 0xFF030201}));
}

TEST(DecodeBmp, ReadsPalettedDepths) {
    // Nine 1-bit pixels cross a byte boundary; the palette maps 0 to black and 1 to white.
    EXPECT_EQ(Decode(Paletted(1, 9, 1, Rows({Bytes({0xA5, 0x80})}))),
              (Pixels{kWhite, kBlack, kWhite, kBlack, kBlack, kWhite, kBlack, kWhite, kWhite}));
    EXPECT_EQ(Decode(Paletted(4, 3, 2, Rows({Bytes({0x23, 0x40}), Bytes({0x10, 0x00})}))),
              (Pixels{kWhite, kBlack, kBlack, kRed, kGreen, kBlue}));
    EXPECT_EQ(Decode(Paletted(8, 2, 1, Rows({Bytes({4, 2})}))), (Pixels{kBlue, kRed}));

    // No colour count: the full palette for the bit count is stored.
    BmpBuilder full = Paletted(1, 2, 1, Rows({Bytes({0x40})}));
    full.colourCount = 0;
    full.palette = {0x123456, 0xABCDEF};
    EXPECT_EQ(Decode(full), (Pixels{0xFF123456, 0xFFABCDEF}));
}

TEST(DecodeBmp, ReadsCoreHeaderWithThreeBytePaletteEntries) {
    BmpBuilder paletted = Paletted(8, 2, 1, Rows({Bytes({2, 3})}));
    paletted.headerSize = 12;
    paletted.colourCount = 0;
    paletted.palette.resize(256);
    EXPECT_EQ(Decode(paletted), (Pixels{kRed, kGreen}));

    BmpBuilder direct;
    direct.headerSize = 12;
    direct.pixels = Rows({Bytes({1, 2, 3})});
    EXPECT_EQ(Decode(direct), (Pixels{0xFF030201}));
}

TEST(DecodeBmp, Reads16And32BitWithDefaultMasks) {
    BmpBuilder b16;
    b16.bitCount = 16;
    b16.width = 3;
    // 5-5-5: full red, full blue, and green at 16 of 31.
    b16.pixels = Rows({Bytes({0x00, 0x7C, 0x1F, 0x00, 0x00, 0x02})});
    EXPECT_EQ(Decode(b16), (Pixels{kRed, kBlue, 0xFF008400}));

    // The fourth byte of an uncompressed 32-bit pixel is unused, never transparency.
    BmpBuilder b32;
    b32.bitCount = 32;
    b32.width = 2;
    b32.pixels = Bytes({1, 2, 3, 0, 4, 5, 6, 77});
    EXPECT_EQ(Decode(b32), (Pixels{0xFF030201, 0xFF060504}));
}

TEST(DecodeBmp, ReadsBitFieldsAfterOrInsideTheHeader) {
    // 5-6-5 masks after a 40-byte header.
    EXPECT_EQ(Decode(BitFields(40, 16, {0xF800, 0x07E0, 0x001F, 0}, Bytes({0x00, 0xF8, 0xE0, 0x07}))),
              (Pixels{kRed, kGreen}));
    // Masks inside V4 and V5 headers, with alpha.
    const std::string argb = Bytes({0x10, 0x20, 0x30, 0x80, 0xFF, 0xFF, 0xFF, 0x00});
    for (const uint32_t size : {108u, 124u}) {
        EXPECT_EQ(Decode(BitFields(size, 32, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, argb)),
                  (Pixels{0x80302010, 0x00FFFFFF}))
            << size;
    }
    // Ten-bit channels widen to eight bits: 1023 to 255, 512 to 128, 0 to 0.
    std::string wide;
    Put32(wide, 1023u << 20 | 512u << 10);
    Put32(wide, 0);
    EXPECT_EQ(Decode(BitFields(40, 32, {0x3FF00000, 0xFFC00, 0x3FF, 0}, wide)), (Pixels{0xFFFF8000, kBlack}));
}

TEST(DecodeBmp, IgnoresMasksOfV4AndV5HeadersWithoutBitFields) {
    for (const uint32_t size : {108u, 124u}) {
        BmpBuilder bmp;
        bmp.headerSize = size;
        bmp.masks = std::array<uint32_t, 4>{1, 2, 4, 8};
        bmp.pixels = Rows({Bytes({1, 2, 3})});
        EXPECT_EQ(Decode(bmp), (Pixels{0xFF030201})) << size;
    }
}

TEST(DecodeBmp, ReadsRle8RunsLiteralsJumpsAndLeavesSkippedPixelsBlack) {
    // Bottom row: a run of two 2s, then a literal of three (padded to an even length).
    // Then end of line, a jump of one right and one up, a run of one 3, end of bitmap.
    const std::string data = Bytes({2, 2, 0, 3, 4, 1, 3, 0, 0, 0, 0, 2, 1, 1, 1, 3, 0, 1});
    EXPECT_EQ(Decode(Rle(8, 5, 3, data)), (Pixels{kBlack, kGreen, kBlack, kBlack, kBlack, //
                                                  kBlack, kBlack, kBlack, kBlack, kBlack, //
                                                  kRed, kRed, kBlue, kWhite, kGreen}));
}

TEST(DecodeBmp, DropsRlePixelsWrittenIntoTheRowPadding) {
    // Rows 3 pixels wide are stored in 4 bytes (8 bits) or 8 nibbles (4 bits); encoders may fill
    // a row up to that.
    EXPECT_EQ(Decode(Rle(8, 3, 2, Bytes({3, 1, 1, 0, 0, 0, 0, 4, 2, 3, 4, 0, 0, 1}))),
              (Pixels{kRed, kGreen, kBlue, kWhite, kWhite, kWhite}));
    EXPECT_EQ(Decode(Rle(4, 3, 1, Bytes({8, 0x12, 0, 1}))), (Pixels{kWhite, kRed, kWhite}));
    EXPECT_EQ(Decode(Rle(4, 3, 1, Bytes({0, 2, 6, 0, 2, 0x23, 0, 1}))), (Pixels{kBlack, kBlack, kBlack}));
}

TEST(DecodeBmp, ReadsRle4AlternatingNibblesAndOddLiterals) {
    // A run of three alternating 1 and 2, then a literal of three nibbles 3, 4, 0 (two bytes, no
    // padding needed), then end of bitmap; the last row is never written.
    const std::string data = Bytes({3, 0x12, 0, 3, 0x34, 0x00, 0, 1});
    EXPECT_EQ(Decode(Rle(4, 6, 2, data)),
              (Pixels{kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kWhite, kRed, kWhite, kGreen, kBlue, kBlack}));
    // Five nibbles take three bytes and one byte of padding.
    EXPECT_EQ(Decode(Rle(4, 5, 1, Bytes({0, 5, 0x12, 0x34, 0x00, 0x00, 0, 1}))),
              (Pixels{kWhite, kRed, kGreen, kBlue, kBlack}));
}

TEST(DecodeBmp, ReadsTheV2V3AndOs2InfoHeaders) {
    // 52 bytes hold the red, green and blue masks; 56 bytes an alpha mask too.
    EXPECT_EQ(Decode(BitFields(52, 16, {0xF800, 0x07E0, 0x001F, 0}, Bytes({0x00, 0xF8, 0xE0, 0x07}))),
              (Pixels{kRed, kGreen}));
    const std::string argb = Bytes({0x10, 0x20, 0x30, 0x80, 0xFF, 0xFF, 0xFF, 0x00});
    EXPECT_EQ(Decode(BitFields(56, 32, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, argb)), (Pixels{0x80302010, 0x00FFFFFF}));

    // The 64-byte header begins as the 40-byte one; its compression 3 is not bit fields.
    BmpBuilder paletted = Paletted(8, 2, 1, Rows({Bytes({2, 3})}));
    paletted.headerSize = 64;
    EXPECT_EQ(Decode(paletted), (Pixels{kRed, kGreen}));
    BmpBuilder rle = Rle(4, 3, 1, Bytes({3, 0x42, 0, 1}));
    rle.headerSize = 64;
    EXPECT_EQ(Decode(rle), (Pixels{kBlue, kRed, kBlue}));
    BmpBuilder direct;
    direct.headerSize = 64;
    direct.pixels = Rows({Bytes({1, 2, 3})});
    EXPECT_EQ(Decode(direct), (Pixels{0xFF030201}));
    BmpBuilder huffman = BitFields(64, 16, {0xF800, 0x07E0, 0x001F, 0}, Bytes({0, 0, 0, 0}));
    EXPECT_EQ(ErrorOf(huffman), BmpError::UnsupportedFormat);
}

TEST(DecodeBmp, UsesTheColoursTheDepthIndexesFromALargerDeclaredTable) {
    // A 4-bit picture declaring 256 colours: entries 0 to 15 are used, and the pixels follow all
    // 256 when the pixel offset does not say where they are.
    BmpBuilder bmp = Paletted(4, 3, 1, Rows({Bytes({0x42, 0xF0})}));
    bmp.palette.resize(256, 0x777777);
    bmp.palette[15] = 0x123456;
    bmp.colourCount = 256;
    for (const uint32_t offset : {0u, 14u + 40 + 16 * 4}) {
        bmp.pixelOffset = offset;
        const std::string file = bmp.Build();
        EXPECT_EQ(ReadBmpHeader(file).header.colourCount, 16u);
        EXPECT_EQ(ReadBmpHeader(file).header.pixelOffset, 14u + 40 + 256 * 4) << offset;
        EXPECT_EQ(Decode(bmp), (Pixels{kBlue, kRed, 0xFF123456})) << offset;
    }
    // Three colours declared for one bit.
    BmpBuilder mono = Paletted(1, 2, 1, Rows({Bytes({0x40})}));
    mono.palette = {0x000000, 0xFFFFFF, 0xFF0000};
    mono.colourCount = 3;
    EXPECT_EQ(Decode(mono), (Pixels{kBlack, kWhite}));
    // The declared table must still be in the file.
    mono.pixels.clear();
    mono.colourCount = 1000;
    EXPECT_EQ(ErrorOf(mono), BmpError::Truncated);
}

TEST(DecodeBmp, DrawsPaletteIndexesPastTheColourCountBlack) {
    // The palette holds five colours (0 to 4); the first entry is white here so black shows.
    BmpBuilder bytes = Paletted(8, 3, 1, Rows({Bytes({4, 5, 255})}));
    bytes.palette[0] = 0xFFFFFF;
    EXPECT_EQ(Decode(bytes), (Pixels{kBlue, kBlack, kBlack}));
    EXPECT_EQ(Decode(Paletted(4, 2, 1, Rows({Bytes({0xF3})}))), (Pixels{kBlack, kGreen}));
    EXPECT_EQ(Decode(Rle(8, 2, 1, Bytes({1, 200, 1, 1, 0, 1}))), (Pixels{kBlack, kWhite}));
    EXPECT_EQ(Decode(Rle(8, 3, 1, Bytes({0, 3, 2, 9, 4, 0, 0, 1}))), (Pixels{kRed, kBlack, kBlue}));
    EXPECT_EQ(Decode(Rle(4, 2, 1, Bytes({2, 0x1F, 0, 1}))), (Pixels{kWhite, kBlack}));
}

TEST(DecodeBmp, ReadsPixelsAfterTheTablesWhenTheOffsetIsZeroOrInsideThem) {
    BmpBuilder bmp = Paletted(8, 4, 1, Bytes({0, 1, 2, 3}));
    const uint32_t tablesEnd = 14 + 40 + 5 * 4;
    for (const uint32_t offset : {0u, 1u, 14u, 14u + 40, tablesEnd - 1}) {
        bmp.pixelOffset = offset;
        EXPECT_EQ(Decode(bmp), (Pixels{kBlack, kWhite, kRed, kGreen})) << offset;
    }
    BmpBuilder masks = BitFields(40, 16, {0xF800, 0x07E0, 0x001F, 0}, Bytes({0x00, 0xF8, 0xE0, 0x07}));
    masks.pixelOffset = 14 + 40 + 4;
    EXPECT_EQ(Decode(masks), (Pixels{kRed, kGreen}));
}

TEST(DecodeBmp, ReadsAFileLackingThePaddingOfItsLastRow) {
    // 3 x 2 at 24 bits: rows of 9 bytes stored in 12; the last row stored ends with the pixels.
    BmpBuilder bmp;
    bmp.width = 3;
    bmp.height = 2;
    bmp.pixels = Rows({Bytes({0, 0, 255, 0, 255, 0, 255, 0, 0})}) + Bytes({255, 255, 255, 0, 0, 0, 1, 2, 3});
    EXPECT_EQ(Decode(bmp), (Pixels{kWhite, kBlack, 0xFF030201, kRed, kGreen, kBlue}));
    bmp.height = -2;
    EXPECT_EQ(Decode(bmp), (Pixels{kRed, kGreen, kBlue, kWhite, kBlack, 0xFF030201}));
    EXPECT_EQ(Decode(Paletted(4, 3, 1, Bytes({0x23, 0x40}))), (Pixels{kRed, kGreen, kBlue}));
    // One byte of pixels short.
    bmp.pixels.pop_back();
    EXPECT_EQ(ErrorOf(bmp), BmpError::Truncated);
}

TEST(ReadBmpHeader, GivesTheStoredSizeWithItsSign) {
    BmpBuilder bmp = Paletted(8, 7, -3, Rows({"1234567", "1234567", "1234567"}));
    const BmpHeaderResult result = ReadBmpHeader(bmp.Build());
    ASSERT_EQ(result.error, BmpError::None);
    EXPECT_EQ(result.header.width, 7);
    EXPECT_EQ(result.header.height, -3);
    EXPECT_EQ(result.header.bitCount, 8);
    EXPECT_EQ(result.header.colourCount, 5u);
    EXPECT_EQ(ReadBmpHeader("BM").error, BmpError::Truncated);
}

// ---- Refusing

TEST(DecodeBmp, RefusesEveryTruncationOfValidFiles) {
    const std::string noRowPadding = Bytes({1, 2, 3, 4, 0, 1, 2, 3});
    BmpBuilder largeTable = Paletted(4, 4, 2, Bytes({1, 2, 0, 0, 3, 4}));
    largeTable.palette.resize(256);
    largeTable.colourCount = 256;
    const std::vector<BmpBuilder> files = {
        Paletted(8, 4, 2, noRowPadding),
        largeTable,
        BitFields(52, 16, {0xF800, 0x07E0, 0x001F, 0}, Bytes({1, 2, 3, 4})),
        Rle(8, 4, 2, Bytes({4, 1, 0, 0, 0, 4, 1, 2, 3, 4, 0, 1})),
        BitFields(40, 16, {0xF800, 0x07E0, 0x001F, 0}, Bytes({1, 2, 3, 4})),
        BitFields(124, 32, {0xFF0000, 0xFF00, 0xFF, 0}, noRowPadding),
    };
    for (const auto& bmp : files) {
        const std::string whole = bmp.Build();
        ASSERT_EQ(DecodeExact(whole).error, BmpError::None);
        const size_t pixelOffset = ReadBmpHeader(whole).header.pixelOffset;
        for (size_t size = 0; size < whole.size(); ++size) {
            const BmpError expected = size == pixelOffset ? BmpError::BadPixelOffset : BmpError::Truncated;
            EXPECT_EQ(DecodeExact(std::string_view(whole).substr(0, size)).error, expected) << size;
        }
    }
}

TEST(DecodeBmp, RefusesUnknownSignaturesHeadersAndFormats) {
    std::string notBmp = BmpBuilder{}.Build();
    notBmp[1] = 'A';
    EXPECT_EQ(DecodeExact(notBmp).error, BmpError::NotBmp);
    BmpBuilder header;
    for (const uint32_t size : {16u, 48u, 60u, 100u}) {
        header.headerSize = size;
        EXPECT_EQ(ErrorOf(header), BmpError::UnsupportedHeader) << size;
    }

    const auto format = [](uint32_t headerSize, uint16_t bitCount, uint32_t compression, int32_t height = 1) {
        BmpBuilder bmp = Paletted(bitCount, 1, height, std::string(64, '\0'));
        bmp.headerSize = headerSize;
        bmp.compression = compression;
        if (headerSize == 12) {
            bmp.palette.clear();
        }
        return ErrorOf(bmp);
    };
    EXPECT_EQ(format(40, 0, kBmpRgb), BmpError::UnsupportedFormat);
    EXPECT_EQ(format(40, 2, kBmpRgb), BmpError::UnsupportedFormat);
    EXPECT_EQ(format(40, 4, kBmpRle8), BmpError::UnsupportedFormat);
    EXPECT_EQ(format(40, 8, kBmpRle4), BmpError::UnsupportedFormat);
    EXPECT_EQ(format(40, 24, kBmpBitFields), BmpError::UnsupportedFormat);
    EXPECT_EQ(format(40, 24, 4), BmpError::UnsupportedFormat); // embedded JPEG
    EXPECT_EQ(format(12, 16, kBmpRgb), BmpError::UnsupportedFormat);
    // Compressed data is always stored bottom-up.
    EXPECT_EQ(format(40, 8, kBmpRle8, -1), BmpError::UnsupportedFormat);
}

TEST(DecodeBmp, RefusesEmptyNegativeAndAbsurdSizesWithoutAllocating) {
    const auto sized = [](int32_t width, int32_t height) {
        BmpBuilder bmp;
        bmp.width = width;
        bmp.height = height;
        bmp.pixels = std::string(16, '\0');
        return ErrorOf(bmp);
    };
    EXPECT_EQ(sized(0, 1), BmpError::BadSize);
    EXPECT_EQ(sized(1, 0), BmpError::BadSize);
    EXPECT_EQ(sized(-1, 1), BmpError::BadSize);
    EXPECT_EQ(sized(INT32_MIN, 1), BmpError::BadSize);
    EXPECT_EQ(sized(1, INT32_MIN), BmpError::TooLarge);
    EXPECT_EQ(sized(INT32_MAX, INT32_MAX), BmpError::TooLarge);
    EXPECT_EQ(sized(8192, 8193), BmpError::TooLarge);
    EXPECT_EQ(sized(100000, -100000), BmpError::TooLarge);
    // Within the limit but not backed by data.
    EXPECT_EQ(sized(8192, 8192), BmpError::Truncated);
    EXPECT_EQ(sized(65536, -1024), BmpError::Truncated);
    // A few bytes of RLE data may not make the program fill a picture past the limit either.
    EXPECT_EQ(ErrorOf(Rle(8, 16384, 16384, Bytes({0, 1}))), BmpError::TooLarge);
    EXPECT_EQ(ErrorOf(Rle(4, 8193, 8192, Bytes({0, 1}))), BmpError::TooLarge);
    EXPECT_EQ(ReadBmpHeader(Rle(8, 16384, 16384, Bytes({0, 1})).Build()).error, BmpError::TooLarge);
}

TEST(DecodeBmp, RefusesPixelOffsetsPastTheData) {
    BmpBuilder bmp = Paletted(8, 4, 1, Bytes({0, 1, 2, 3}));
    const uint32_t tablesEnd = 14 + 40 + 5 * 4;
    for (const uint32_t offset : {tablesEnd + 4, 0xFFFFFFFFu}) {
        bmp.pixelOffset = offset;
        EXPECT_EQ(ErrorOf(bmp), BmpError::BadPixelOffset) << offset;
    }
    bmp.pixelOffset = tablesEnd + 1;
    EXPECT_EQ(ErrorOf(bmp), BmpError::Truncated);
}

TEST(DecodeBmp, RefusesRleThatLeavesThePicture) {
    // The picture is 4 x 2.
    const auto rle = [](std::initializer_list<int> data) { return ErrorOf(Rle(8, 4, 2, Bytes(data))); };
    EXPECT_EQ(rle({5, 1, 0, 1}), BmpError::BadRle);                   // run wider than a row
    EXPECT_EQ(rle({2, 1, 3, 1, 0, 1}), BmpError::BadRle);             // second run overflows the row
    EXPECT_EQ(rle({0, 5, 1, 1, 1, 1, 1, 0, 0, 1}), BmpError::BadRle); // literal wider than a row
    EXPECT_EQ(rle({0, 2, 5, 0, 0, 1}), BmpError::BadRle);             // jump past the right edge
    EXPECT_EQ(rle({0, 2, 0, 3, 0, 1}), BmpError::BadRle);             // jump past the top
    EXPECT_EQ(rle({0, 0, 0, 0, 1, 1, 0, 1}), BmpError::BadRle);       // run above the last row
    EXPECT_EQ(rle({0, 0, 0, 0, 0, 0, 0, 1}), BmpError::BadRle);       // end of line above it
    // Past the padding of a stored row: 3 pixels of 4 bits are stored in 8.
    EXPECT_EQ(ErrorOf(Rle(4, 3, 1, Bytes({9, 0x11, 0, 1}))), BmpError::BadRle);
    EXPECT_EQ(ErrorOf(Rle(4, 3, 1, Bytes({0, 2, 9, 0, 0, 1}))), BmpError::BadRle);
    // Ending exactly at the edges is fine.
    EXPECT_EQ(rle({4, 1, 0, 0, 0, 2, 0, 1, 0, 1}), BmpError::None);
}

TEST(DecodeBmp, RefusesBitFieldMasksThatCannotDescribeColours) {
    const auto masks = [](uint32_t headerSize, uint16_t bitCount, std::array<uint32_t, 4> m) {
        return ErrorOf(BitFields(headerSize, bitCount, m, std::string(8, '\0')));
    };
    EXPECT_EQ(masks(40, 16, {0, 0x07E0, 0x001F, 0}), BmpError::BadBitFields);
    EXPECT_EQ(masks(40, 16, {0xF800, 0, 0x001F, 0}), BmpError::BadBitFields);
    EXPECT_EQ(masks(40, 32, {0xFF0000, 0xFF00, 0, 0}), BmpError::BadBitFields);
    EXPECT_EQ(masks(40, 32, {0, 0, 0, 0}), BmpError::BadBitFields);
    EXPECT_EQ(masks(40, 16, {0xF800, 0x0FE0, 0x001F, 0}), BmpError::BadBitFields);   // overlapping
    EXPECT_EQ(masks(40, 16, {0xF000, 0x0A00, 0x001F, 0}), BmpError::BadBitFields);   // not contiguous
    EXPECT_EQ(masks(40, 16, {0xF80000, 0x07E0, 0x001F, 0}), BmpError::BadBitFields); // beyond 16 bits
    EXPECT_EQ(masks(108, 32, {0xFF0000, 0xFF00, 0xFF, 0xFF0000FF}), BmpError::BadBitFields);
    EXPECT_EQ(masks(108, 32, {0xFF0000, 0xFF00, 0xFF, 0x0F000000}), BmpError::None);
}

// ---- Writing

TEST(EncodeBmp24, WritesBottomUpPaddedRowsThatReadBack) {
    const Picture picture{3, 2, {kRed, kGreen, 0x7F102030, kBlue, kWhite, kBlack}};
    const std::string file = EncodeBmp24(picture);
    const size_t stride = 12;
    ASSERT_EQ(file.size(), 54 + 2 * stride);
    EXPECT_EQ(file.substr(0, 2), "BM");
    const BmpHeaderResult header = ReadBmpHeader(file);
    ASSERT_EQ(header.error, BmpError::None);
    EXPECT_EQ(header.header.pixelOffset, 54u);
    EXPECT_EQ(header.header.headerSize, 40u);
    EXPECT_EQ(header.header.bitCount, 24);
    EXPECT_EQ(header.header.height, 2);
    // The first stored row is the bottom one, blue first.
    EXPECT_EQ(file.substr(54, 3), Bytes({255, 0, 0}));

    const BmpDecodeResult back = DecodeBmp(file);
    ASSERT_EQ(back.error, BmpError::None);
    // 24 bits hold no alpha: it reads back opaque.
    EXPECT_EQ(back.picture.bgra, (Pixels{kRed, kGreen, 0xFF102030, kBlue, kWhite, kBlack}));
}

TEST(EncodeBmp24, RefusesInvalidPictures) {
    EXPECT_EQ(EncodeBmp24(Picture{}), "");
    EXPECT_EQ(EncodeBmp24(Picture{2, 2, {kRed, kRed, kRed}}), "");
    EXPECT_EQ(EncodeBmp24(Picture{-1, -1, {kRed}}), "");
}

TEST(MakeInfoHeader, StoresSignedSizeAndBitCount) {
    const auto header = MakeInfoHeader(640, -480, 32);
    const auto read32 = [&](size_t at) {
        return static_cast<int32_t>(header[at] | header[at + 1] << 8 | header[at + 2] << 16 |
                                    static_cast<uint32_t>(header[at + 3]) << 24);
    };
    EXPECT_EQ(read32(0), 40);
    EXPECT_EQ(read32(4), 640);
    EXPECT_EQ(read32(8), -480);
    EXPECT_EQ(header[14], 32);
    EXPECT_EQ(read32(20), 640 * 480 * 4);
}

} // namespace
} // namespace pelaconf
