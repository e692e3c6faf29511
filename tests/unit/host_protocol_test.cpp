// The plug-in host's messages: every message survives the round trip, and a body that is not
// exactly one well-formed message is refused.
#include "susie/host_protocol.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

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
        std::string(1, '\x07') + good.substr(1), // unknown kind
        std::string(1, '\x00') + good.substr(1),
    };
    for (const std::string& body : bodies) {
        EXPECT_FALSE(DecodeHostMessage(body).has_value()) << body.size();
    }
    // The limit is a reply holding the largest picture, and not a byte more.
    const size_t replyAroundAnEmptyPicture = EncodeHostMessage({kHostReply, 1, {""}}).size() - kHostFrameHeader;
    EXPECT_EQ(kMaxHostBody, replyAroundAnEmptyPicture + kMaxPluginBmpFile);
    const auto header = [](uint32_t length) {
        return std::array<uint8_t, kHostFrameHeader>{static_cast<uint8_t>(length), static_cast<uint8_t>(length >> 8),
                                                     static_cast<uint8_t>(length >> 16),
                                                     static_cast<uint8_t>(length >> 24)};
    };
    EXPECT_FALSE(HostBodyLength(header(kMaxHostBody + 1)).has_value());
    EXPECT_EQ(HostBodyLength(header(kMaxHostBody)), kMaxHostBody);
}

TEST(HostProtocolTest, ASharedBlockIsTakenOnlyWholeAndWithinTheLimit) {
    const SharedBlock block{0x1234, 72'000'054};
    const std::optional<SharedBlock> decoded = DecodeSharedBlock(EncodeSharedBlock(block));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->handle, block.handle);
    EXPECT_EQ(decoded->size, block.size);
    const std::string good = EncodeSharedBlock(block);
    for (const std::string& field : {good.substr(0, 7), good + "x", EncodeSharedBlock({0x1234, 0}),
                                     EncodeSharedBlock({0x1234, kMaxPluginBmpFile + 1})}) {
        EXPECT_FALSE(DecodeSharedBlock(field).has_value()) << field.size();
    }
}

// Frames come in reads of any size: one byte at a time, several frames in one read, or a frame
// split anywhere; each is taken whole, in order.
TEST(HostFrameReaderTest, FramesAreTakenWholeHoweverTheReadsSplitThem) {
    const std::vector<HostMessage> messages = {
        {kHostReply, 1, {}}, {kHostReply, 1, {std::string(70000, 'p')}}, {kHostReply, 0, {"a", "b", "c"}}};
    std::string stream;
    for (const HostMessage& message : messages) {
        stream += EncodeHostMessage(message);
    }
    for (const size_t readSize : {size_t{1}, size_t{3}, size_t{4}, size_t{11}, size_t{65536}, stream.size()}) {
        HostFrameReader frames;
        std::vector<HostMessage> taken;
        size_t at = 0;
        while (taken.size() < messages.size()) {
            const std::optional<size_t> missing = frames.Missing();
            ASSERT_TRUE(missing.has_value());
            if (*missing == 0) {
                taken.push_back(*frames.Take());
                continue;
            }
            ASSERT_LT(at, stream.size());
            const std::span<char> space = frames.Space(readSize);
            const size_t count = std::min(readSize, stream.size() - at);
            std::copy_n(stream.begin() + static_cast<ptrdiff_t>(at), count, space.begin());
            frames.Commit(count);
            at += count;
        }
        ASSERT_EQ(taken.size(), messages.size()) << readSize;
        for (size_t i = 0; i < messages.size(); ++i) {
            EXPECT_EQ(taken[i].fields, messages[i].fields) << readSize;
            EXPECT_EQ(taken[i].value, messages[i].value) << readSize;
        }
        EXPECT_EQ(frames.Missing(), size_t{kHostFrameHeader});
    }
}

TEST(HostFrameReaderTest, AFrameAboveTheLimitStopsTheReading) {
    HostFrameReader frames;
    EXPECT_EQ(frames.Missing(), size_t{kHostFrameHeader});
    const std::span<char> space = frames.Space(8);
    const char overLimit[] = {0x01, 0x00, 0x00, 0x40};
    std::copy(std::begin(overLimit), std::end(overLimit), space.begin());
    frames.Commit(4);
    EXPECT_FALSE(frames.Missing().has_value());
    EXPECT_FALSE(frames.Take().has_value());
}

} // namespace
} // namespace pelaconf
