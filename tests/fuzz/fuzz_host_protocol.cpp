// Whatever a plug-in host sends must be taken without fault: a body is either refused or is one
// message whose encoding gives back exactly the body, and no frame is accepted above the limit;
// a shared block's field is taken only whole and within the limit.
#include "susie/host_protocol.h"
#include "fuzz_check.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace pelaconf;
    if (size >= kHostFrameHeader) {
        const std::optional<uint32_t> length = HostBodyLength(std::span<const uint8_t, kHostFrameHeader>(data, 4));
        const uint32_t stated = data[0] | data[1] << 8 | data[2] << 16 | static_cast<uint32_t>(data[3]) << 24;
        Check(length.has_value() == (stated <= kMaxHostBody) && (!length || *length == stated));
    }
    const std::string_view body(reinterpret_cast<const char*>(data), size);
    const std::optional<HostMessage> message = DecodeHostMessage(body);
    if (message) {
        Check(message->fields.size() <= kMaxHostFields);
        Check(EncodeHostMessage(*message).substr(kHostFrameHeader) == body);
    }
    if (const std::optional<SharedBlock> block = DecodeSharedBlock(body)) {
        Check(block->size > 0 && block->size <= kMaxPluginBmpFile && EncodeSharedBlock(*block) == body);
    }
    return 0;
}
