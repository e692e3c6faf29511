#include "image/exif_orientation.h"
#include "image/little_endian.h"
#include "image/upright_picture.h"

#include "exif_segment.h"

#include <gtest/gtest.h>

namespace pelaconf {
namespace {

using namespace exif;

std::optional<int> Read(const std::string& bytes) { return ReadExifOrientation(AsBytes(bytes)); }

// An Exif segment as a phone writes it: other entries around the orientation.
std::string PhoneExif(int orientation, ByteOrder order) {
    return ExifSegment(TiffBlock(order, {Entry{kMakeTag, kAscii, 12, 0x100},
                                         Entry{kOrientationTag, kShort, 1, static_cast<uint32_t>(orientation)},
                                         Entry{0x011A, 5, 1, 0x110}}));
}

TEST(ReadExifOrientation, ReadsEachOrientationInEitherByteOrder) {
    for (const ByteOrder order : {ByteOrder::Little, ByteOrder::Big}) {
        for (int orientation = 1; orientation <= 8; ++orientation) {
            EXPECT_EQ(Read(JpegHead({OrientedExif(orientation, order)})), orientation);
            EXPECT_EQ(Read(JpegHead({JfifSegment(), PhoneExif(orientation, order)})), orientation)
                << "after a JFIF segment, among other entries";
        }
    }
}

TEST(ReadExifOrientation, FindsTheExifSegmentAmongOthersBeforeThePictureData) {
    const std::string xmp = Segment(0xE1, std::string("http://ns.adobe.com/xap/1.0/") + '\0' + "<x:xmpmeta/>");
    const std::string comment = Segment(0xFE, "made by a test");
    EXPECT_EQ(Read(JpegHead({JfifSegment(), xmp, comment, OrientedExif(6, ByteOrder::Big)})), 6);
    std::string filled = JpegHead({OrientedExif(8, ByteOrder::Little)});
    filled.insert(2, "\xFF\xFF"); // fill bytes before a marker
    EXPECT_EQ(Read(filled), 8);
    // Only the first Exif segment counts, and none after the picture data begins.
    EXPECT_EQ(Read(JpegHead({OrientedExif(3, ByteOrder::Big), OrientedExif(6, ByteOrder::Big)})), 3);
    EXPECT_EQ(Read(JpegHead({JfifSegment()}) + OrientedExif(6, ByteOrder::Big)), std::nullopt);
}

TEST(ReadExifOrientation, GivesNoneWithoutAValidTag) {
    EXPECT_EQ(Read(""), std::nullopt);
    EXPECT_EQ(Read("\x89PNG\r\n\x1A\n"), std::nullopt);
    EXPECT_EQ(Read(JpegHead({JfifSegment()})), std::nullopt) << "no Exif segment";
    EXPECT_EQ(Read(JpegHead({ExifSegment(TiffBlock(ByteOrder::Big, {Entry{kMakeTag, kAscii, 4, 0}}))})), std::nullopt)
        << "no orientation entry";
    for (const int value : {0, 9, 0x0106}) {
        EXPECT_EQ(Read(JpegHead({OrientedExif(value, ByteOrder::Little)})), std::nullopt) << value;
    }
    EXPECT_EQ(Read(JpegHead({ExifSegment(TiffBlock(ByteOrder::Little, {Entry{kOrientationTag, kLong, 1, 6}}))})),
              std::nullopt)
        << "not a short";
    EXPECT_EQ(Read(JpegHead({ExifSegment(TiffBlock(ByteOrder::Big, {Entry{kOrientationTag, kShort, 2, 6}}))})),
              std::nullopt)
        << "more than one value";
}

TEST(ReadExifOrientation, GivesNoneForGarbledHeaders) {
    const std::string tiff = TiffBlock(ByteOrder::Big, {Entry{kOrientationTag, kShort, 1, 6}});
    std::string wrongOrder = tiff, wrongMagic = tiff;
    wrongOrder[1] = 'I';
    wrongMagic[3] = 43;
    EXPECT_EQ(Read(JpegHead({ExifSegment(wrongOrder)})), std::nullopt);
    EXPECT_EQ(Read(JpegHead({ExifSegment(wrongMagic)})), std::nullopt);
    EXPECT_EQ(Read(JpegHead({Segment(0xE1, std::string("Exif\0\x01", 6) + tiff)})), std::nullopt) << "wrong signature";
    EXPECT_EQ(Read(JpegHead({Segment(0xE2, std::string("Exif\0\0", 6) + tiff)})), std::nullopt) << "not APP1";
    std::string badLength = JpegHead({OrientedExif(6, ByteOrder::Big)});
    badLength[4] = '\0';
    badLength[5] = '\x01'; // a length below the two bytes of the length itself
    EXPECT_EQ(Read(badLength), std::nullopt);
    std::string noMarker = JpegHead({JfifSegment(), OrientedExif(6, ByteOrder::Big)});
    noMarker[2 + JfifSegment().size()] = '\x00';
    EXPECT_EQ(Read(noMarker), std::nullopt) << "bytes where a marker belongs";
}

TEST(ReadExifOrientation, GivesNoneForEveryHeadCutBeforeTheExifSegmentEnds) {
    const std::string full = JpegHead({JfifSegment(), PhoneExif(6, ByteOrder::Little)});
    const size_t exifEnd = 2 + JfifSegment().size() + PhoneExif(6, ByteOrder::Little).size();
    for (size_t length = 0; length < exifEnd; ++length) {
        EXPECT_EQ(Read(full.substr(0, length)), std::nullopt) << "cut at " << length;
    }
    EXPECT_EQ(Read(full.substr(0, exifEnd)), 6) << "the picture data is not needed";
}

// Each tag and offset is checked against the Exif segment, not against the bytes that follow it.
TEST(ReadExifOrientation, NeverReadsATagBeyondTheSegment) {
    const Entry orientation{kOrientationTag, kShort, 1, 6};
    constexpr size_t kFirstEntryEnd = 8 + 2 + 12; // TIFF header, entry count, one entry
    for (const ByteOrder order : {ByteOrder::Little, ByteOrder::Big}) {
        // The directory claims two entries, but the segment ends after the first: the second, an
        // orientation, lies in the bytes that follow the segment.
        const std::string tiff = TiffBlock(order, {Entry{kMakeTag, kAscii, 4, 0}, orientation});
        const std::string cut = ExifSegment(tiff.substr(0, kFirstEntryEnd)) + tiff.substr(kFirstEntryEnd);
        EXPECT_EQ(Read(JpegHead({cut})), std::nullopt);

        // A first directory past the segment's end, or too close to it to hold its entry count.
        const std::string block = TiffBlock(order, {orientation});
        for (const uint32_t offset : {0xFFFFFFF0u, 0x00010000u, static_cast<uint32_t>(block.size() - 1)}) {
            std::string far = block;
            std::string offsetBytes;
            Put(offsetBytes, offset, 4, order);
            far.replace(4, 4, offsetBytes);
            EXPECT_EQ(Read(JpegHead({ExifSegment(far)}) + block), std::nullopt) << offset;
        }
    }
}

// A 3 x 2 picture whose pixels are its letters, a to f, row by row.
Picture Letters() { return Picture{3, 2, {'a', 'b', 'c', 'd', 'e', 'f'}}; }

TEST(TurnUpright, TurnsAndMirrorsEachOrientationAsAViewerShowsIt) {
    const struct {
        int orientation;
        Size size;
        std::vector<uint32_t> rows;
    } cases[] = {
        {1, {3, 2}, {'a', 'b', 'c', 'd', 'e', 'f'}}, {2, {3, 2}, {'c', 'b', 'a', 'f', 'e', 'd'}},
        {3, {3, 2}, {'f', 'e', 'd', 'c', 'b', 'a'}}, {4, {3, 2}, {'d', 'e', 'f', 'a', 'b', 'c'}},
        {5, {2, 3}, {'a', 'd', 'b', 'e', 'c', 'f'}}, {6, {2, 3}, {'d', 'a', 'e', 'b', 'f', 'c'}},
        {7, {2, 3}, {'f', 'c', 'e', 'b', 'd', 'a'}}, {8, {2, 3}, {'c', 'f', 'b', 'e', 'a', 'd'}},
    };
    for (const auto& expected : cases) {
        const auto upright = TurnUpright(Letters(), expected.orientation);
        ASSERT_TRUE(upright) << expected.orientation;
        EXPECT_EQ(*upright, (Picture{expected.size.width, expected.size.height, expected.rows}))
            << expected.orientation;
        EXPECT_EQ(UprightSize({3, 2}, expected.orientation), expected.size);
    }
    EXPECT_EQ(TurnUpright(Letters(), 0), Letters()) << "an unknown orientation leaves the picture";
    EXPECT_EQ(TurnUpright(Picture{2, 2, {1, 2, 3}}, 6), std::nullopt) << "pixels missing";
}

} // namespace
} // namespace pelaconf
