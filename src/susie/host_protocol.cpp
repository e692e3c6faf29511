#include "susie/host_protocol.h"

namespace pelaconf {
namespace {

void Put32(std::string& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
}

uint32_t Get32(const uint8_t* bytes) {
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

bool IsKnownKind(uint8_t kind) { return (kind >= kHostLoad && kind <= kHostDecode) || kind == kHostReply; }

// Reads the body from its start, never past its end.
class BodyReader {
public:
    explicit BodyReader(std::string_view body) : body_(body) {}

    bool Read32(uint32_t& value) {
        if (Remaining() < 4) {
            return false;
        }
        value = Get32(reinterpret_cast<const uint8_t*>(body_.data() + at_));
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
    Put32(frame, static_cast<uint32_t>(bodySize));
    frame.push_back(static_cast<char>(message.kind));
    Put32(frame, static_cast<uint32_t>(message.value));
    frame.push_back(static_cast<char>(message.fields.size()));
    for (const std::string& field : message.fields) {
        Put32(frame, static_cast<uint32_t>(field.size()));
        frame += field;
    }
    return frame;
}

std::optional<uint32_t> HostBodyLength(std::span<const uint8_t, kHostFrameHeader> header) {
    const uint32_t length = Get32(header.data());
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

} // namespace pelaconf
