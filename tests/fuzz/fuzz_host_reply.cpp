// Whatever bytes come from a plug-in host, in reads of whatever size, are taken without fault as
// replies to the request: the frames are the same however the reads split them, and a reply is
// taken only with the value, fields and lengths its request's kind allows.
//
// Input: the request's kind (first byte), the size of every read (second byte; 0 for reads of
// 4096 bytes), then the bytes as they come from the pipe.
#include "susie/host_reply.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

namespace {

using namespace pelaconf;

constexpr size_t kReadRoomLimit = size_t{1} << 16;

// The frames of the whole stream, read at once: the messages (empty for a malformed frame) until
// a frame is incomplete or over the limit.
std::vector<std::optional<HostMessage>> FramesOfWholeStream(std::string_view stream) {
    std::vector<std::optional<HostMessage>> frames;
    while (stream.size() >= kHostFrameHeader) {
        const std::optional<uint32_t> length =
            HostBodyLength(std::span<const uint8_t, kHostFrameHeader>(reinterpret_cast<const uint8_t*>(stream.data()), 4));
        if (!length || stream.size() - kHostFrameHeader < *length) {
            break;
        }
        frames.push_back(DecodeHostMessage(stream.substr(kHostFrameHeader, *length)));
        stream.remove_prefix(kHostFrameHeader + *length);
    }
    return frames;
}

// The frames as the client takes them, read by read.
std::vector<std::optional<HostMessage>> FramesOfReads(std::string_view stream, size_t readSize) {
    std::vector<std::optional<HostMessage>> frames;
    HostFrameReader reader;
    for (std::optional<size_t> missing = reader.Missing(); missing; missing = reader.Missing()) {
        if (*missing == 0) {
            frames.push_back(reader.Take());
            continue;
        }
        if (stream.empty()) {
            break;
        }
        // A read asks for room as the client's does, within one pipe buffer; a stated length
        // never makes room for more than comes.
        const std::span<char> space = reader.Space(std::min(std::max(*missing, readSize), kReadRoomLimit));
        const size_t count = std::min({readSize, stream.size(), space.size()});
        std::copy_n(stream.begin(), count, space.begin());
        reader.Commit(count);
        stream.remove_prefix(count);
    }
    return frames;
}

void CheckReply(uint8_t requestKind, const HostMessage& reply) {
    const bool taken = IsReplyTo(requestKind, reply);
    Check(!taken || reply.kind == kHostReply);
    if (requestKind == kHostQuery && taken) {
        const QueryReply query = *ReadQueryReply(reply);
        Check(query.description.description.size() <= Utf8BytesOfAnsiField(kDescriptionField));
        Check(query.description.extensionFilter.size() <= Utf8BytesOfAnsiField(kExtensionFilterField));
        Check(query.description.fileTypeName.size() <= Utf8BytesOfAnsiField(kFileTypeNameField));
    }
    if (requestKind == kHostDecode) {
        const std::optional<DecodeReply> decoded = ReadDecodeReply(reply);
        Check(decoded.has_value() == taken);
        if (decoded && decoded->picture == DecodeReply::Picture::OnPipe) {
            Check(IsPluginBmpFile(decoded->file) && decoded->file.size() <= kMaxPluginBmpFile);
        }
        if (decoded && decoded->picture == DecodeReply::Picture::InSharedBlock) {
            Check(decoded->sharedSize <= kMaxPluginBmpFile);
        }
        // A value-1 reply is a picture or nothing at all.
        Check(!(taken && reply.value == 1) || (decoded->picture == DecodeReply::Picture::OnPipe));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) {
        return 0;
    }
    const uint8_t requestKind = static_cast<uint8_t>(kHostLoad + data[0] % kHostFillSharedBlock);
    const size_t readSize = data[1] == 0 ? 4096 : data[1];
    const std::string_view stream(reinterpret_cast<const char*>(data + 2), size - 2);
    const std::vector<std::optional<HostMessage>> whole = FramesOfWholeStream(stream);
    const std::vector<std::optional<HostMessage>> read = FramesOfReads(stream, readSize);
    Check(whole.size() == read.size());
    for (size_t i = 0; i < whole.size(); ++i) {
        Check(whole[i].has_value() == read[i].has_value());
        if (read[i]) {
            Check(read[i]->kind == whole[i]->kind && read[i]->value == whole[i]->value &&
                  read[i]->fields == whole[i]->fields);
            CheckReply(requestKind, *read[i]);
        }
    }
    return 0;
}
