#pragma once
// Little-endian fields of byte blocks: the BMP headers, PE headers and the plug-in host's frames.
// The caller has checked that the field lies inside the block.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace pelaconf {

inline uint16_t ReadLe16(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

inline uint32_t ReadLe32(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
           static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

inline void AppendLe32(std::string& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
}

} // namespace pelaconf
