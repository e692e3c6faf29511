#pragma once
// The head of a JPEG file built byte by byte: its segments, and an Exif segment whose TIFF block
// holds one directory of entries, in either byte order. For the orientation reader's tests and
// the seeds of its fuzz target.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace pelaconf::exif {

constexpr uint16_t kOrientationTag = 0x0112;
constexpr uint16_t kMakeTag = 0x010F;
constexpr uint16_t kShort = 3;
constexpr uint16_t kAscii = 2;
constexpr uint16_t kLong = 4;

enum class ByteOrder { Little, Big };

struct Entry {
    uint16_t tag = kOrientationTag;
    uint16_t type = kShort;
    uint32_t count = 1;
    uint32_t value = 1; // a single short is stored in the entry's first two bytes
};

inline void Put(std::string& out, uint32_t value, int bytes, ByteOrder order) {
    for (int i = 0; i < bytes; ++i) {
        const int shift = order == ByteOrder::Big ? 8 * (bytes - 1 - i) : 8 * i;
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
}

// The TIFF header, then the first directory at offset 8 with the entries and no next directory.
inline std::string TiffBlock(ByteOrder order, const std::vector<Entry>& entries) {
    std::string tiff = order == ByteOrder::Big ? "MM" : "II";
    Put(tiff, 42, 2, order);
    Put(tiff, 8, 4, order);
    Put(tiff, static_cast<uint32_t>(entries.size()), 2, order);
    for (const Entry& entry : entries) {
        Put(tiff, entry.tag, 2, order);
        Put(tiff, entry.type, 2, order);
        Put(tiff, entry.count, 4, order);
        if (entry.type == kShort && entry.count == 1) {
            Put(tiff, entry.value, 2, order);
            Put(tiff, 0, 2, order);
        } else {
            Put(tiff, entry.value, 4, order);
        }
    }
    Put(tiff, 0, 4, order);
    return tiff;
}

// A marker segment: FF, the marker, the big-endian length (counting itself) and the body.
inline std::string Segment(uint8_t marker, const std::string& body) {
    std::string segment{'\xFF', static_cast<char>(marker)};
    Put(segment, static_cast<uint32_t>(body.size() + 2), 2, ByteOrder::Big);
    return segment + body;
}

inline std::string ExifSegment(const std::string& tiff) { return Segment(0xE1, std::string("Exif\0\0", 6) + tiff); }

inline std::string JfifSegment() { return Segment(0xE0, std::string("JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 14)); }

inline std::string OrientedExif(int orientation, ByteOrder order) {
    return ExifSegment(TiffBlock(order, {Entry{kOrientationTag, kShort, 1, static_cast<uint32_t>(orientation)}}));
}

// The start-of-image marker, the segments, and the start of the picture data.
inline std::string JpegHead(std::initializer_list<std::string> segments) {
    std::string head = "\xFF\xD8";
    for (const std::string& segment : segments) {
        head += segment;
    }
    return head + Segment(0xDA, std::string("\x01\x01\x00\x00\x3F\x00", 6)) + "\x12\x34\x56";
}

} // namespace pelaconf::exif
