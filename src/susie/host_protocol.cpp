#include "susie/host_protocol.h"

#include "image/little_endian.h"

#include <algorithm>

namespace pelaconf {
namespace {

bool IsKnownKind(uint8_t kind) { return (kind >= kHostLoad && kind <= kHostFillSharedBlock) || kind == kHostReply; }

// Reads the body from its start, never past its end.
class BodyReader {
public:
    explicit BodyReader(std::string_view body) : body_(body) {}

    bool Read32(uint32_t& value) {
        if (Remaining() < 4) {
            return false;
        }
        value = ReadLe32(body_, at_);
        at_ += 4;
        return true;
    }
    bool Read8(uint8_t& value) {
        if (Remaining() < 1) {
            return false;
        }
        value = static_cast<uint8_t>(body_[at_++]);
        return true;
    }
    bool ReadText(std::string& text) {
        uint32_t length = 0;
        if (!Read32(length) || length > Remaining()) {
            return false;
        }
        text.assign(body_.substr(at_, length));
        at_ += length;
        return true;
    }
    size_t Remaining() const { return body_.size() - at_; }

private:
    std::string_view body_;
    size_t at_ = 0;
};

} // namespace

std::string EncodeHostMessage(const HostMessage& message) {
    size_t bodySize = 1 + 4 + 1;
    for (const std::string& field : message.fields) {
        bodySize += 4 + field.size();
    }
    std::string frame;
    frame.reserve(kHostFrameHeader + bodySize);
    AppendLe32(frame, static_cast<uint32_t>(bodySize));
    frame.push_back(static_cast<char>(message.kind));
    AppendLe32(frame, static_cast<uint32_t>(message.value));
    frame.push_back(static_cast<char>(message.fields.size()));
    for (const std::string& field : message.fields) {
        AppendLe32(frame, static_cast<uint32_t>(field.size()));
        frame += field;
    }
    return frame;
}

std::optional<uint32_t> HostBodyLength(std::span<const uint8_t, kHostFrameHeader> header) {
    const uint32_t length = ReadLe32(header, 0);
    if (length > kMaxHostBody) {
        return std::nullopt;
    }
    return length;
}

std::optional<HostMessage> DecodeHostMessage(std::string_view body) {
    BodyReader reader(body);
    HostMessage message;
    uint32_t value = 0;
    uint8_t fieldCount = 0;
    if (!reader.Read8(message.kind) || !IsKnownKind(message.kind) || !reader.Read32(value) ||
        !reader.Read8(fieldCount) || fieldCount > kMaxHostFields) {
        return std::nullopt;
    }
    message.value = static_cast<int32_t>(value);
    message.fields.resize(fieldCount);
    for (std::string& field : message.fields) {
        if (!reader.ReadText(field)) {
            return std::nullopt;
        }
    }
    if (reader.Remaining() != 0) {
        return std::nullopt;
    }
    return message;
}

std::optional<size_t> HostFrameReader::Missing() const {
    if (committed_ < kHostFrameHeader) {
        return kHostFrameHeader - committed_;
    }
    const std::optional<uint32_t> length =
        HostBodyLength(std::span<const uint8_t, kHostFrameHeader>(reinterpret_cast<const uint8_t*>(held_.data()), 4));
    if (!length) {
        return std::nullopt;
    }
    const size_t frame = kHostFrameHeader + *length;
    return frame > committed_ ? frame - committed_ : 0;
}

// The room stays allocated between reads: a read that gives a few bytes must not cost the
// zeroing of a whole pipe buffer again for the next one.
std::span<char> HostFrameReader::Space(size_t size) {
    if (held_.size() < committed_ + size) {
        held_.resize(committed_ + size);
    }
    offered_ = size;
    return std::span<char>(held_).subspan(committed_, size);
}

void HostFrameReader::Commit(size_t count) {
    committed_ += std::min(count, offered_);
    offered_ = 0;
}

std::optional<HostMessage> HostFrameReader::Take() {
    const std::optional<size_t> missing = Missing();
    if (missing != size_t{0}) {
        return std::nullopt;
    }
    const size_t length = ReadLe32(held_, 0);
    std::optional<HostMessage> message = DecodeHostMessage(std::string_view(held_).substr(kHostFrameHeader, length));
    // What came after the frame moves to the front; the room behind it stays.
    const size_t frame = kHostFrameHeader + length;
    std::copy(held_.begin() + static_cast<ptrdiff_t>(frame), held_.begin() + static_cast<ptrdiff_t>(committed_),
              held_.begin());
    committed_ -= frame;
    offered_ = 0;
    return message;
}

std::string EncodeSharedBlock(const SharedBlock& block) {
    std::string field;
    AppendLe32(field, block.handle);
    AppendLe32(field, block.size);
    return field;
}

std::optional<SharedBlock> DecodeSharedBlock(std::string_view field) {
    BodyReader reader(field);
    SharedBlock block;
    if (!reader.Read32(block.handle) || !reader.Read32(block.size) || reader.Remaining() != 0 || block.size == 0 ||
        block.size > kMaxPluginBmpFile) {
        return std::nullopt;
    }
    return block;
}

std::string EncodeSharedSize(uint32_t size) {
    std::string field;
    AppendLe32(field, size);
    return field;
}

std::optional<uint32_t> DecodeSharedSize(std::string_view field) {
    BodyReader reader(field);
    uint32_t size = 0;
    if (!reader.Read32(size) || reader.Remaining() != 0) {
        return std::nullopt;
    }
    return size;
}

} // namespace pelaconf
