#include "image/exif_orientation.h"

#include <algorithm>
#include <string_view>

namespace pelaconf {
namespace {

constexpr uint8_t kMarker = 0xFF;
constexpr uint8_t kStartOfImage = 0xD8;
constexpr uint8_t kEndOfImage = 0xD9;
constexpr uint8_t kStartOfScan = 0xDA;
constexpr uint8_t kApp1 = 0xE1;
constexpr uint16_t kOrientationTag = 0x0112;
constexpr uint16_t kTypeShort = 3;
constexpr size_t kIfdEntryBytes = 12;
constexpr std::string_view kExifSignature{"Exif\0\0", 6};

bool IsStandalone(uint8_t marker) { return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7); }

bool StartsWith(std::span<const uint8_t> bytes, std::string_view prefix) {
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin(),
                                                       [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; });
}

// The fields of a TIFF block in its own byte order. The caller has checked that a field lies
// inside the block.
class TiffFields {
public:
    TiffFields(std::span<const uint8_t> block, bool bigEndian) : block_(block), bigEndian_(bigEndian) {}

    uint16_t U16(size_t at) const {
        return bigEndian_ ? static_cast<uint16_t>(block_[at] << 8 | block_[at + 1])
                          : static_cast<uint16_t>(block_[at] | block_[at + 1] << 8);
    }
    uint32_t U32(size_t at) const {
        const uint32_t first = U16(at), second = U16(at + 2);
        return bigEndian_ ? first << 16 | second : second << 16 | first;
    }
    bool Holds(uint64_t at, uint64_t length) const { return at <= block_.size() && length <= block_.size() - at; }

private:
    std::span<const uint8_t> block_;
    bool bigEndian_;
};

// The orientation entry of the first image file directory of a TIFF block.
std::optional<int> ReadTiffOrientation(std::span<const uint8_t> tiff) {
    if (tiff.size() < 8 || !(StartsWith(tiff, "II") || StartsWith(tiff, "MM"))) {
        return std::nullopt;
    }
    const TiffFields fields(tiff, tiff[0] == 'M');
    const uint32_t directory = fields.U32(4);
    if (fields.U16(2) != 42 || !fields.Holds(directory, 2)) {
        return std::nullopt;
    }
    const uint16_t entries = fields.U16(directory);
    for (uint32_t i = 0; i < entries; ++i) {
        const uint64_t entry = uint64_t{directory} + 2 + uint64_t{i} * kIfdEntryBytes;
        if (!fields.Holds(entry, kIfdEntryBytes)) {
            return std::nullopt; // the directory claims more entries than the block holds
        }
        if (fields.U16(entry) != kOrientationTag) {
            continue;
        }
        const uint16_t value = fields.U16(entry + 8); // a single short lies in the entry itself
        const bool oneShort = fields.U16(entry + 2) == kTypeShort && fields.U32(entry + 4) == 1;
        if (!oneShort || value < kOrientationUpright || value > kOrientationQuarterLeft) {
            return std::nullopt;
        }
        return value;
    }
    return std::nullopt;
}

} // namespace

std::optional<int> ReadExifOrientation(std::span<const uint8_t> fileHead) {
    if (fileHead.size() < 2 || fileHead[0] != kMarker || fileHead[1] != kStartOfImage) {
        return std::nullopt;
    }
    size_t at = 2;
    while (at < fileHead.size() && fileHead[at] == kMarker) {
        while (at < fileHead.size() && fileHead[at] == kMarker) {
            ++at; // a marker may be preceded by any number of fill bytes
        }
        if (at >= fileHead.size()) {
            break;
        }
        const uint8_t marker = fileHead[at++];
        if (marker == kStartOfScan || marker == kEndOfImage) {
            break; // the picture data begins, and the Exif segment comes before it
        }
        if (IsStandalone(marker)) {
            continue;
        }
        if (fileHead.size() - at < 2) {
            break;
        }
        const size_t length = static_cast<size_t>(fileHead[at] << 8 | fileHead[at + 1]);
        if (length < 2 || length > fileHead.size() - at) {
            break; // a damaged length, or a segment cut off
        }
        const std::span<const uint8_t> body = fileHead.subspan(at + 2, length - 2);
        if (marker == kApp1 && StartsWith(body, kExifSignature)) {
            return ReadTiffOrientation(body.subspan(kExifSignature.size()));
        }
        at += length;
    }
    return std::nullopt;
}

} // namespace pelaconf
