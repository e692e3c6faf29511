#pragma once
// Little-endian fields of byte blocks: the BMP headers, PE headers and the plug-in host's frames.
// The caller has checked that the field lies inside the block.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace pelaconf {

inline uint16_t ReadLe16(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

inline uint32_t ReadLe32(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
           static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

// The bytes of a block held as text, as files and pipe messages are read.
inline std::span<const uint8_t> AsBytes(std::string_view text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

inline uint16_t ReadLe16(std::string_view bytes, size_t at) { return ReadLe16(AsBytes(bytes), at); }
inline uint32_t ReadLe32(std::string_view bytes, size_t at) { return ReadLe32(AsBytes(bytes), at); }

template <typename Byte> void WriteLe16(Byte* out, uint32_t value) {
    out[0] = static_cast<Byte>(value & 0xFF);
    out[1] = static_cast<Byte>((value >> 8) & 0xFF);
}

template <typename Byte> void WriteLe32(Byte* out, uint32_t value) {
    WriteLe16(out, value & 0xFFFF);
    WriteLe16(out + 2, value >> 16);
}

inline void AppendLe32(std::string& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
}

} // namespace pelaconf
