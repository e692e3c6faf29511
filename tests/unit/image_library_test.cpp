// The portable operations of the image library over its opaque handles.
#include "image/bmp_codec.h"
#include "image/image_library.h"
#include "image/library_image.h"

#include "flat_picture.h"
#include "live_image_test.h"

#include <gtest/gtest.h>

namespace pelaconf {
namespace {

LibImageHandle LoadPicture(const Picture& picture) {
    const std::string file = EncodeBmp24(picture);
    return LibLoadBmpMemory(file.data(), file.size());
}

class ImageLibraryTest : public LiveImageTest {};

TEST_F(ImageLibraryTest, LoadsABmpFileImageAndReportsItsSizeInAHeader) {
    LibImageHandle image = LoadPicture(FlatPicture(7, 3, 0xFF102030));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(LibLiveImageCount(), 1);
    EXPECT_EQ(LibPostLoad(), 1);
    InfoHeaderBytes header{};
    ASSERT_EQ(LibGetHeader(image, header), 1);
    EXPECT_EQ(HeaderWidth(header), 7);
    EXPECT_EQ(HeaderHeight(header), 3);
    EXPECT_EQ(header[0], 40);
    EXPECT_EQ(LibRelease(image), 1);
    EXPECT_EQ(LibLiveImageCount(), 0);
}

TEST_F(ImageLibraryTest, RefusesWhatIsNotABmpAndMakesNoHandle) {
    const std::string garbage = "BM not really a bitmap";
    EXPECT_EQ(LibLoadBmpMemory(garbage.data(), garbage.size()), nullptr);
    EXPECT_EQ(LibLoadBmpMemory(nullptr, 100), nullptr);
    std::string truncated = EncodeBmp24(FlatPicture(4, 4, 0xFF000000));
    truncated.resize(truncated.size() - 1);
    EXPECT_EQ(LibLoadBmpMemory(truncated.data(), truncated.size()), nullptr);
    EXPECT_EQ(LibLiveImageCount(), 0);
}

TEST_F(ImageLibraryTest, NullHandlesFailSoftly) {
    InfoHeaderBytes header{};
    EXPECT_EQ(LibGetHeader(nullptr, header), 0);
    EXPECT_EQ(LibResize(nullptr, 2, 2), 0);
    EXPECT_EQ(LibTestImage(nullptr), 0);
    EXPECT_EQ(LibAdjustImage(nullptr), 0);
    EXPECT_EQ(LibRelease(nullptr), 0);
}

TEST_F(ImageLibraryTest, ResizesInPlaceAndKeepsTheImageOnABadSize) {
    LibImageHandle image = LoadPicture(FlatPicture(40, 30, 0xFF336699));
    ASSERT_NE(image, nullptr);
    InfoHeaderBytes header{};
    EXPECT_EQ(LibResize(image, 16, 12), 1);
    LibGetHeader(image, header);
    EXPECT_EQ(HeaderWidth(header), 16);
    EXPECT_EQ(HeaderHeight(header), 12);
    EXPECT_EQ(LibResize(image, 0, 12), 0);
    EXPECT_EQ(LibResize(image, 20000, 20000), 0);
    LibGetHeader(image, header);
    EXPECT_EQ(HeaderWidth(header), 16);
    EXPECT_EQ(HeaderHeight(header), 12);
    LibRelease(image);
}

// A 32-bit bit-field BMP with an alpha mask: one opaque and one half transparent pixel.
std::string TwoPixelsWithAlpha() {
    std::string file(14 + 124 + 8, '\0');
    auto put32 = [&](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            file[at + i] = static_cast<char>(value >> (8 * i));
        }
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<uint32_t>(file.size()));
    put32(10, 14 + 124);
    put32(14, 124);
    put32(18, 2);
    put32(22, 1);
    file[26] = 1;
    file[28] = 32;
    put32(30, kBmpBitFields);
    put32(54, 0x00FF0000);
    put32(58, 0x0000FF00);
    put32(62, 0x000000FF);
    put32(66, 0xFF000000);
    put32(138, 0xFF112233);
    put32(142, 0x80445566);
    return file;
}

TEST_F(ImageLibraryTest, TransparencyIsFoundAndMadeOpaqueKeepingTheColours) {
    const std::string file = TwoPixelsWithAlpha();
    LibImageHandle image = LibLoadBmpMemory(file.data(), file.size());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(LibTestImage(image), 1);
    EXPECT_EQ(LibAdjustImage(image), 1);
    EXPECT_EQ(LibTestImage(image), 0);
    EXPECT_EQ(image->picture.bgra, (std::vector<uint32_t>{0xFF112233, 0xFF445566}));
    LibRelease(image);

    LibImageHandle opaque = LoadPicture(FlatPicture(2, 2, 0xFFABCDEF));
    EXPECT_EQ(LibTestImage(opaque), 0);
    LibRelease(opaque);
}

} // namespace
} // namespace pelaconf
