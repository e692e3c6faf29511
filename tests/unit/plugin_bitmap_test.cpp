// Building a BMP file image from the blocks a Susie plug-in returns.
#include "image/bmp_codec.h"
#include "susie/plugin_bitmap.h"

#include <gtest/gtest.h>

#include <vector>

namespace pelaconf {
namespace {

using Bytes = std::vector<uint8_t>;

uint32_t Read32(const std::string& data, size_t at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value << 8 | static_cast<uint8_t>(data[at + i]);
    }
    return value;
}

void Put32(Bytes& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

// A 40-byte header followed by the given table bytes.
Bytes InfoBlock(int32_t width, int32_t height, uint16_t bitCount, const Bytes& table = {},
                uint32_t compression = kBmpRgb) {
    const auto header = MakeInfoHeader(width, height, bitCount);
    Bytes block(header.begin(), header.end());
    Put32(block, 16, compression);
    block.insert(block.end(), table.begin(), table.end());
    return block;
}

Bytes ColourTable(std::initializer_list<uint32_t> colours) {
    Bytes table;
    for (const uint32_t colour : colours) {
        for (int i = 0; i < 4; ++i) {
            table.push_back(static_cast<uint8_t>(colour >> (8 * i)));
        }
    }
    return table;
}

TEST(PluginBmpFile, LowBitCountsGetAFullColourTableWithTheMissingEntriesZero) {
    // 1 bit, 3 x 2, two colours given; rows of one 32-bit word, bottom-up: 101 then 010.
    const Bytes pixels = {0x40, 0, 0, 0, 0xA0, 0, 0, 0};
    const PluginBitmapResult result = BuildPluginBmpFile(InfoBlock(3, 2, 1, ColourTable({0xFFFFFF, 0x000080})), pixels);
    ASSERT_EQ(result.error, BmpError::None);
    const std::string& file = result.file;
    EXPECT_EQ(file.substr(0, 2), "BM");
    EXPECT_EQ(Read32(file, 10), 1078u);
    EXPECT_EQ(Read32(file, 2), 1078u + 8);
    EXPECT_EQ(file.size(), 1078u + 8);
    EXPECT_EQ(Read32(file, 54), 0xFFFFFFu);
    EXPECT_EQ(Read32(file, 58), 0x000080u);
    for (size_t entry = 2; entry < 256; ++entry) {
        ASSERT_EQ(Read32(file, 54 + 4 * entry), 0u) << entry;
    }
    const BmpDecodeResult decoded = DecodeBmp(file);
    ASSERT_EQ(decoded.error, BmpError::None);
    EXPECT_EQ(decoded.picture.bgra,
              (std::vector<uint32_t>{0xFF000080, 0xFFFFFFFF, 0xFF000080, 0xFFFFFFFF, 0xFF000080, 0xFFFFFFFF}));
}

TEST(PluginBmpFile, FourAndEightBitsAlsoGetOffset1078) {
    const Bytes grey = ColourTable({0x000000, 0x111111, 0x222222});
    for (const uint16_t bits : {4, 8}) {
        const PluginBitmapResult result =
            BuildPluginBmpFile(InfoBlock(2, 2, bits, grey), Bytes(8, bits == 8 ? 0x01 : 0x11));
        ASSERT_EQ(result.error, BmpError::None) << bits;
        EXPECT_EQ(Read32(result.file, 10), 1078u);
        const BmpDecodeResult decoded = DecodeBmp(result.file);
        ASSERT_EQ(decoded.error, BmpError::None) << bits;
        EXPECT_EQ(decoded.picture.bgra[0], 0xFF111111u);
    }
}

// A block whose header states `colourCount` colours, followed by `entries` grey entries 0, 1, 2...
Bytes BlockWithColours(uint16_t bitCount, uint32_t colourCount, size_t entries) {
    Bytes table;
    for (size_t i = 0; i < entries; ++i) {
        const uint8_t grey = static_cast<uint8_t>(i);
        table.insert(table.end(), {grey, grey, grey, 0});
    }
    Bytes block = InfoBlock(2, 1, bitCount, table);
    Put32(block, 32, colourCount);
    return block;
}

TEST(PluginBmpFile, AFourBitPictureDeclaring256ColoursUsesItsFirstSixteen) {
    const PluginBitmapResult result = BuildPluginBmpFile(BlockWithColours(4, 256, 256), Bytes{0x0F, 0, 0, 0});
    ASSERT_EQ(result.error, BmpError::None);
    EXPECT_EQ(Read32(result.file, 14 + 32), 256u);
    EXPECT_EQ(Read32(result.file, 10), 1078u);
    const BmpDecodeResult decoded = DecodeBmp(result.file);
    ASSERT_EQ(decoded.error, BmpError::None);
    EXPECT_EQ(decoded.picture.bgra, (std::vector<uint32_t>{0xFF000000, 0xFF0F0F0F}));
}

TEST(PluginBmpFile, TheColourTableIsWhatTheHeaderDeclaresAsFarAsTheBlockHoldsIt) {
    const auto decode = [](const Bytes& block, uint8_t first, uint8_t second) {
        const PluginBitmapResult result = BuildPluginBmpFile(block, Bytes{first, second, 0, 0});
        EXPECT_EQ(result.error, BmpError::None);
        return DecodeBmp(result.file).picture.bgra;
    };
    // Three colours declared, four in the block: the fourth is not used.
    EXPECT_EQ(decode(BlockWithColours(8, 3, 4), 2, 3), (std::vector<uint32_t>{0xFF020202, 0xFF000000}));
    // 300 declared, 6 in the block: the file states 256 and entries past the block are black.
    const Bytes large = BlockWithColours(8, 300, 6);
    const PluginBitmapResult result = BuildPluginBmpFile(large, Bytes(4));
    ASSERT_EQ(result.error, BmpError::None);
    EXPECT_EQ(Read32(result.file, 14 + 32), 256u);
    EXPECT_EQ(decode(large, 5, 6), (std::vector<uint32_t>{0xFF050505, 0xFF000000}));
}

TEST(PluginBmpFile, TwentyFourBitsHaveNoTableAndOffset54) {
    // 2 x 1: blue then red, padded to 8 bytes; the block may be larger than needed.
    const Bytes pixels = {0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0x55, 0x55};
    const PluginBitmapResult result = BuildPluginBmpFile(InfoBlock(2, 1, 24, ColourTable({0x123456})), pixels);
    ASSERT_EQ(result.error, BmpError::None);
    EXPECT_EQ(Read32(result.file, 10), 54u);
    EXPECT_EQ(result.file.size(), 54u + 8);
    const BmpDecodeResult decoded = DecodeBmp(result.file);
    ASSERT_EQ(decoded.error, BmpError::None);
    EXPECT_EQ(decoded.picture.bgra, (std::vector<uint32_t>{0xFF0000FF, 0xFFFF0000}));
}

TEST(PluginBmpFile, BitFieldMasksAreCarriedOver) {
    // 16 bits, 5-6-5: one pure green pixel.
    const Bytes masks = ColourTable({0xF800, 0x07E0, 0x001F});
    const PluginBitmapResult result =
        BuildPluginBmpFile(InfoBlock(1, 1, 16, masks, kBmpBitFields), Bytes{0xE0, 0x07, 0, 0});
    ASSERT_EQ(result.error, BmpError::None);
    EXPECT_EQ(Read32(result.file, 10), 66u);
    const BmpDecodeResult decoded = DecodeBmp(result.file);
    ASSERT_EQ(decoded.error, BmpError::None);
    EXPECT_EQ(decoded.picture.bgra[0], 0xFF00FF00u);
    // Masks announced but missing from the block.
    EXPECT_EQ(BuildPluginBmpFile(InfoBlock(1, 1, 32, {}, kBmpBitFields), Bytes(4)).error, BmpError::Truncated);
}

TEST(PluginBmpFile, ANegativeHeightReadsTopDownWithAPositiveSize) {
    const Bytes pixels = {0xFF, 0, 0, 0, 0, 0, 0xFF, 0}; // 1 x 2: blue row, then red row
    const PluginBitmapResult result = BuildPluginBmpFile(InfoBlock(1, -2, 24), pixels);
    ASSERT_EQ(result.error, BmpError::None);
    EXPECT_EQ(result.file.size(), 54u + 8);
    const BmpDecodeResult decoded = DecodeBmp(result.file);
    ASSERT_EQ(decoded.error, BmpError::None);
    EXPECT_EQ(decoded.picture.bgra, (std::vector<uint32_t>{0xFF0000FF, 0xFFFF0000}));
}

TEST(PluginBmpFile, RefusesBlocksThatDoNotHoldWhatTheHeaderClaims) {
    EXPECT_EQ(BuildPluginBmpFile(Bytes(39), Bytes(4)).error, BmpError::Truncated);
    EXPECT_EQ(BuildPluginBmpFile(InfoBlock(4, 4, 24), Bytes(47)).error, BmpError::Truncated);
    EXPECT_EQ(BuildPluginBmpFile(InfoBlock(0, 4, 24), Bytes(64)).error, BmpError::BadSize);
    EXPECT_EQ(BuildPluginBmpFile(InfoBlock(-4, 4, 24), Bytes(64)).error, BmpError::BadSize);
    EXPECT_EQ(BuildPluginBmpFile(InfoBlock(4, 0, 24), Bytes(64)).error, BmpError::BadSize);
    EXPECT_EQ(BuildPluginBmpFile(InfoBlock(4, 4, 7), Bytes(64)).error, BmpError::UnsupportedFormat);
    EXPECT_EQ(BuildPluginBmpFile(InfoBlock(4, 4, 8, {}, kBmpRle8), Bytes(64)).error, BmpError::UnsupportedFormat);
    EXPECT_EQ(BuildPluginBmpFile(InfoBlock(65536, 65536, 1), Bytes(64)).error, BmpError::TooLarge);
    EXPECT_EQ(BuildPluginBmpFile(InfoBlock(16384, 16384, 1), Bytes(64)).error, BmpError::TooLarge);
    EXPECT_EQ(BuildPluginBmpFile(InfoBlock(8192, -8193, 1), Bytes(64)).error, BmpError::TooLarge);
    EXPECT_EQ(BuildPluginBmpFile(InfoBlock(8192, -8192, 1), Bytes(64)).error, BmpError::Truncated);
    EXPECT_EQ(BuildPluginBmpFile(InfoBlock(INT32_MAX, INT32_MIN, 32), Bytes(64)).error, BmpError::TooLarge);
    Bytes otherHeader = InfoBlock(1, 1, 24);
    otherHeader[0] = 108;
    EXPECT_EQ(BuildPluginBmpFile(otherHeader, Bytes(4)).error, BmpError::UnsupportedHeader);
}

} // namespace
} // namespace pelaconf
