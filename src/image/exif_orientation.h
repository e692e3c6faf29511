#pragma once
// The orientation a camera records in a JPEG file's Exif block: which of the eight ways of
// turning and mirroring the stored picture shows it upright. Read from the file's first bytes
// only, and trusting nothing in them.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace pelaconf {

// The Exif orientations: what shows the stored picture upright.
enum ExifOrientation : int {
    kOrientationUpright = 1,      // as stored
    kOrientationMirrored = 2,     // mirrored left to right
    kOrientationHalfTurn = 3,     // turned half round
    kOrientationFlipped = 4,      // mirrored top to bottom
    kOrientationTransposed = 5,   // mirrored across the diagonal from the top left
    kOrientationQuarterRight = 6, // to be turned a quarter clockwise
    kOrientationTransverse = 7,   // mirrored across the diagonal from the top right
    kOrientationQuarterLeft = 8,  // to be turned a quarter anticlockwise
};

// The most of a file's head ReadExifOrientation looks at: the start-of-image marker, then a JFIF
// segment and an Exif segment, each of the largest size a segment can have. Exif puts its
// segment first, or right after the JFIF one.
constexpr size_t kExifOrientationHeadBytes = 2 + 2 * (2 + 65535);

// The orientation tag of a JPEG file's Exif block, 1 to 8, given the file's first bytes (the whole
// file, or its first kExifOrientationHeadBytes). Empty when the bytes are not a JPEG file, no Exif
// segment comes before the picture data, or the segment is damaged, cut off, or holds no
// orientation or one outside 1 to 8.
std::optional<int> ReadExifOrientation(std::span<const uint8_t> fileHead);

} // namespace pelaconf
