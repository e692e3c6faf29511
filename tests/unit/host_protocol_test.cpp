// The plug-in host's messages: every message survives the round trip, and a body that is not
// exactly one well-formed message is refused.
#include "susie/host_protocol.h"

#include <gtest/gtest.h>

#include <array>

namespace pelaconf {
namespace {

std::string BodyOf(const HostMessage& message) { return EncodeHostMessage(message).substr(kHostFrameHeader); }

TEST(HostProtocolTest, MessagesSurviveTheRoundTrip) {
    const HostMessage messages[] = {
        {kHostLoad, 0, {"Z:\\plug-ins\\\xE7\x94\xBB.spi"}},
        {kHostFree, 0, {}},
        {kHostQuery, -1, {}},
        {kHostReply, 1, {"desc", std::string("*.a\0b", 5), ""}},
        {kHostDecode, 1, {std::string(70000, 'x')}},
    };
    for (const HostMessage& message : messages) {
        const std::string frame = EncodeHostMessage(message);
        std::array<uint8_t, kHostFrameHeader> header{};
        std::copy_n(frame.begin(), kHostFrameHeader, header.begin());
        EXPECT_EQ(HostBodyLength(header), frame.size() - kHostFrameHeader);
        const std::optional<HostMessage> decoded = DecodeHostMessage(frame.substr(kHostFrameHeader));
        ASSERT_TRUE(decoded.has_value()) << int{message.kind};
        EXPECT_EQ(decoded->kind, message.kind);
        EXPECT_EQ(decoded->value, message.value);
        EXPECT_EQ(decoded->fields, message.fields);
    }
}

TEST(HostProtocolTest, MalformedBodiesAndOversizedFramesAreRefused) {
    const std::string good = BodyOf({kHostReply, 1, {"abc"}});
    const std::string fourFields = BodyOf({kHostReply, 1, {"a", "b", "c", "d"}});
    std::string fieldPastEnd = good;
    fieldPastEnd[6] = 4; // the field's length says 4, 3 bytes follow
    const std::string bodies[] = {
        "",
        good.substr(0, good.size() - 1),
        good + "x",
        fieldPastEnd,
        fourFields,
        std::string(1, '\x06') + good.substr(1), // unknown kind
        std::string(1, '\x00') + good.substr(1),
    };
    for (const std::string& body : bodies) {
        EXPECT_FALSE(DecodeHostMessage(body).has_value()) << body.size();
    }
    const std::array<uint8_t, kHostFrameHeader> overLimit{0x01, 0x00, 0x00, 0x40};
    EXPECT_FALSE(HostBodyLength(overLimit).has_value());
    const std::array<uint8_t, kHostFrameHeader> atLimit{0x00, 0x00, 0x00, 0x40};
    EXPECT_EQ(HostBodyLength(atLimit), kMaxHostBody);
}

TEST(HostProtocolTest, ASharedBlockIsTakenOnlyWholeAndWithinTheLimit) {
    const SharedBlock block{0x1234, 72'000'054};
    const std::optional<SharedBlock> decoded = DecodeSharedBlock(EncodeSharedBlock(block));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->handle, block.handle);
    EXPECT_EQ(decoded->size, block.size);
    const std::string good = EncodeSharedBlock(block);
    for (const std::string& field : {good.substr(0, 7), good + "x", EncodeSharedBlock({0x1234, 0}),
                                     EncodeSharedBlock({0x1234, kMaxHostBody + 1})}) {
        EXPECT_FALSE(DecodeSharedBlock(field).has_value()) << field.size();
    }
}

} // namespace
} // namespace pelaconf
