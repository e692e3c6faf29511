#pragma once
// The messages between Pelaconf and its plug-in host, the process that loads one Susie plug-in
// and makes the calls into it. Each message is a frame: its body's length (4 bytes, little
// endian), then the body: the kind (1 byte), a value (4 bytes, little endian, signed), the number
// of text fields (1 byte) and each field as its length (4 bytes) and its bytes. Pure: bytes in,
// bytes out.
//
// Requests and what their reply holds:
//   kHostLoad        field: the module's path (UTF-8)   reply value: 1 loaded, 0 not
//   kHostFree        -                                  reply value: what FreeLibrary returned
//   kHostQuery       -                                  reply value: a QueryPluginResult; on
//                                                       kQueryImportFilter the three texts
//   kHostIsSupported field: the file's path             reply value: 1 the plug-in reads it, else 0
//   kHostDecode      value: the picture mode, field:    reply value: 1 and the BMP file image, or 0
//                    the file's path

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pelaconf {

// Picture modes of decoding through a plug-in.
enum PictureMode : int {
    kPictureFull = 0,
    kPicturePreviewFirst = 1,
};

enum HostMessageKind : uint8_t {
    kHostLoad = 1,
    kHostFree = 2,
    kHostQuery = 3,
    kHostIsSupported = 4,
    kHostDecode = 5,
    kHostReply = 0x80,
};

constexpr size_t kHostFrameHeader = 4;
constexpr size_t kMaxHostFields = 3;
// Large enough for the BMP file image of any picture a plug-in may decode.
constexpr uint32_t kMaxHostBody = 1u << 30;

struct HostMessage {
    uint8_t kind = kHostReply;
    int32_t value = 0;
    std::vector<std::string> fields;
};

// The whole frame: length prefix and body.
std::string EncodeHostMessage(const HostMessage& message);
// The body's length from a frame's first kHostFrameHeader bytes; empty when above kMaxHostBody.
std::optional<uint32_t> HostBodyLength(std::span<const uint8_t, kHostFrameHeader> header);
// The message a body holds; empty unless the body is exactly one well-formed message of a known kind.
std::optional<HostMessage> DecodeHostMessage(std::string_view body);

} // namespace pelaconf
