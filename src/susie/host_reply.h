#pragma once
// What a plug-in host's reply to each kind of request means, taken only when it is a reply that
// request can have: the value and the number of fields its kind allows, and no field longer than
// the call can give. A plug-in shares its host, so whatever it manages to write must never be taken
// for more than it is. Pure: a message in, a result out.

#include "susie/host_protocol.h"
#include "susie/plugin_description.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pelaconf {

// The longest UTF-8 form of a text held in an ANSI field of the size (its NUL included): every
// ANSI byte, lead or single, becomes at most three UTF-8 bytes.
constexpr size_t Utf8BytesOfAnsiField(size_t fieldSize) { return 3 * (fieldSize - 1); }

// True when the bytes are a BMP file image as the host builds one: "BM", the file's size as its
// own length, and the headers within it; no longer than kMaxPluginBmpFile.
bool IsPluginBmpFile(std::string_view file);

struct QueryReply {
    int result = kQueryFailed;     // a QueryPluginResult
    PluginDescription description; // filled on kQueryImportFilter
};

// A decode's picture: none, its BMP file image on the pipe, or an image waiting in the host for a
// shared block to be put in.
struct DecodeReply {
    enum class Picture { None, OnPipe, InSharedBlock };
    Picture picture = Picture::None;
    std::string file;        // with OnPipe
    uint32_t sharedSize = 0; // with InSharedBlock: the size of the block to make
};

// Each is empty when the message is no reply, or not one of the request's kind.
std::optional<bool> ReadLoadReply(const HostMessage& reply);        // loaded
std::optional<int> ReadFreeReply(const HostMessage& reply);         // what FreeLibrary returned, 0 or 1
std::optional<bool> ReadIsSupportedReply(const HostMessage& reply); // the plug-in reads the file
std::optional<bool> ReadFillReply(const HostMessage& reply);        // the image is in the shared block
std::optional<QueryReply> ReadQueryReply(const HostMessage& reply);
std::optional<DecodeReply> ReadDecodeReply(HostMessage reply);

// Whether the reply is one a request of the kind can have.
bool IsReplyTo(uint8_t requestKind, const HostMessage& reply);

} // namespace pelaconf
