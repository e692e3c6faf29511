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
//   kHostDecode      value: the picture mode, field:    reply value: 1 and the BMP file image, or
//                    the file's path                    kDecodedInSharedBlock and the image's size
//                                                       (4 bytes), or 0
//   kHostFillSharedBlock field: the SharedBlock         reply value: 1 the image is in it, else 0
//                    Pelaconf made for that image
// Requests may be sent before the replies to earlier ones have come: they are answered in order.

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
    kHostFillSharedBlock = 6,
    kHostReply = 0x80,
};

constexpr size_t kHostFrameHeader = 4;
constexpr size_t kMaxHostFields = 3;
// The BMP file image of the largest picture a plug-in may decode: file and information headers, a
// 256-entry colour table, and four bytes for each of kMaxPicturePixels (32 bits a pixel; narrower
// pixels padded to whole words per row never take more).
constexpr uint32_t kMaxPluginBmpFile = 14 + 40 + 256 * 4 + 4u * 8192 * 8192;
// A body holding the largest BMP file image: its kind, value, field count and the field's length
// around it.
constexpr uint32_t kMaxHostBody = kMaxPluginBmpFile + 1 + 4 + 1 + 4;

// The decode reply's value when the BMP file image waits in the host for a SharedBlock that
// Pelaconf makes, rather than coming on the pipe.
constexpr int32_t kDecodedInSharedBlock = 2;
// The host hands a large picture over in shared memory rather than on the pipe.
constexpr size_t kSharedBlockFromBytes = 1u << 20;

// A file mapping Pelaconf made for the host to fill: the handle's value in the host's process
// (handles fit in 32 bits in every Windows process) and the number of bytes it holds.
struct SharedBlock {
    uint32_t handle = 0;
    uint32_t size = 0;
};
constexpr size_t kSharedBlockFieldBytes = 8;

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

// Gathers the bytes that come from the other side, in reads of whatever size the pipe gives, into
// whole frames, taken in the order they came.
class HostFrameReader {
public:
    // How many more bytes the next frame needs to be whole: 0 when it is, empty when its stated
    // length is above kMaxHostBody (nothing after it can be read as frames).
    std::optional<size_t> Missing() const;
    // Room for a read of up to size bytes after those held; Commit then tells how many it gave.
    std::span<char> Space(size_t size);
    void Commit(size_t count);
    // The next frame's message, taken out of those held once Missing() is 0; empty when the frame
    // holds no well-formed message (it is taken all the same).
    std::optional<HostMessage> Take();

private:
    std::string held_;     // the bytes read, then room for the next read
    size_t committed_ = 0; // how many of held_ were read
    size_t offered_ = 0;   // the room the last Space gave, which Commit may fill
};

// The request field that names a shared block: its handle, then its size, 4 bytes each.
std::string EncodeSharedBlock(const SharedBlock& block);
// The block a field names; empty unless the field has exactly that form and the size is 1 to
// kMaxPluginBmpFile.
std::optional<SharedBlock> DecodeSharedBlock(std::string_view field);
// The decode reply field that gives the size of the image waiting for a shared block: 4 bytes.
std::string EncodeSharedSize(uint32_t size);
// The size a field gives; empty unless the field has exactly that form.
std::optional<uint32_t> DecodeSharedSize(std::string_view field);

} // namespace pelaconf
