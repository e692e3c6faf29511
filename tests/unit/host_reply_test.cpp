// A plug-in host's reply is taken only as a reply its request can have: the value, the number of
// fields and each field's length are held to what the call can give.
#include "susie/host_reply.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pelaconf {
namespace {

// A BMP file image of the size, as the host builds one: "BM" and its own length.
std::string BmpFile(uint32_t size) {
    std::string file(size, '\0');
    file[0] = 'B';
    file[1] = 'M';
    for (int i = 0; i < 4; ++i) {
        file[2 + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
    }
    return file;
}

struct ReplyCase {
    const char* what;
    uint8_t request;
    HostMessage reply;
    bool taken;
};

std::vector<ReplyCase> ReplyCases() {
    const std::string picture = BmpFile(70);
    const std::string shared = EncodeSharedSize(2'000'000);
    return {
        {"loaded", kHostLoad, {kHostReply, 1, {}}, true},
        {"not loaded", kHostLoad, {kHostReply, 0, {}}, true},
        {"load with a field", kHostLoad, {kHostReply, 1, {"x"}}, false},
        {"load of value 2", kHostLoad, {kHostReply, 2, {}}, false},
        {"a request for a reply", kHostLoad, {kHostLoad, 1, {}}, false},
        {"freed", kHostFree, {kHostReply, 1, {}}, true},
        {"free of value -1", kHostFree, {kHostReply, -1, {}}, false},
        {"supported", kHostIsSupported, {kHostReply, 1, {}}, true},
        {"supported with a field", kHostIsSupported, {kHostReply, 1, {""}}, false},
        {"an import filter", kHostQuery, {kHostReply, kQueryImportFilter, {"d", "*.pnm", "t"}}, true},
        {"texts at their longest", kHostQuery,
         {kHostReply, kQueryImportFilter, {std::string(765, 'd'), std::string(189, 'f'), std::string(381, 't')}},
         true},
        {"a description too long", kHostQuery,
         {kHostReply, kQueryImportFilter, {std::string(766, 'd'), "*.pnm", "t"}}, false},
        {"a filter too long", kHostQuery, {kHostReply, kQueryImportFilter, {"d", std::string(190, 'f'), "t"}},
         false},
        {"a type name too long", kHostQuery, {kHostReply, kQueryImportFilter, {"d", "f", std::string(382, 't')}},
         false},
        {"an import filter without texts", kHostQuery, {kHostReply, kQueryImportFilter, {}}, false},
        {"not an import filter", kHostQuery, {kHostReply, kQueryNotImportFilter, {}}, true},
        {"a failed query", kHostQuery, {kHostReply, kQueryFailed, {}}, true},
        {"a failed query with texts", kHostQuery, {kHostReply, kQueryFailed, {"d", "f", "t"}}, false},
        {"a query of value 0", kHostQuery, {kHostReply, 0, {}}, false},
        {"no picture", kHostDecode, {kHostReply, 0, {}}, true},
        {"a picture", kHostDecode, {kHostReply, 1, {picture}}, true},
        {"value 1 without a picture", kHostDecode, {kHostReply, 1, {}}, false},
        {"value 1 with two fields", kHostDecode, {kHostReply, 1, {picture, picture}}, false},
        {"no BMP", kHostDecode, {kHostReply, 1, {"PM" + picture.substr(2)}}, false},
        {"a BMP whose size is not its length", kHostDecode, {kHostReply, 1, {picture + "x"}}, false},
        {"a BMP shorter than its headers", kHostDecode, {kHostReply, 1, {BmpFile(53)}}, false},
        {"no picture but a field", kHostDecode, {kHostReply, 0, {picture}}, false},
        {"a shared block", kHostDecode, {kHostReply, kDecodedInSharedBlock, {shared}}, true},
        {"a shared block above the largest picture", kHostDecode,
         {kHostReply, kDecodedInSharedBlock, {EncodeSharedSize(kMaxPluginBmpFile + 1)}}, false},
        {"a shared block at the largest picture", kHostDecode,
         {kHostReply, kDecodedInSharedBlock, {EncodeSharedSize(kMaxPluginBmpFile)}}, true},
        {"a shared block smaller than the headers", kHostDecode,
         {kHostReply, kDecodedInSharedBlock, {EncodeSharedSize(53)}}, false},
        {"a shared block without a field", kHostDecode, {kHostReply, kDecodedInSharedBlock, {}}, false},
        {"a shared block named as a request names it", kHostDecode,
         {kHostReply, kDecodedInSharedBlock, {EncodeSharedBlock({0x44, 2'000'000})}}, false},
        {"a shared block filled", kHostFillSharedBlock, {kHostReply, 1, {}}, true},
        {"a shared block filled with a field", kHostFillSharedBlock, {kHostReply, 1, {shared}}, false},
        {"a decode of value 3", kHostDecode, {kHostReply, 3, {picture}}, false},
        {"a reply to a reply", kHostReply, {kHostReply, 0, {}}, false},
    };
}

TEST(HostReplyTest, EachReplyIsTakenOnlyWhenItsRequestCanHaveIt) {
    for (const ReplyCase& each : ReplyCases()) {
        EXPECT_EQ(IsReplyTo(each.request, each.reply), each.taken) << each.what;
    }
}

TEST(HostReplyTest, TheLargestPictureIsTheLargestBmpThePictureLimitAllows) {
    // 8192 x 8192 pixels of 32 bits, behind the headers and a full colour table.
    EXPECT_EQ(kMaxPluginBmpFile, 14u + 40u + 1024u + 268'435'456u);
    EXPECT_EQ(Utf8BytesOfAnsiField(kDescriptionField), 765u);
}

TEST(HostReplyTest, TheReadersGiveWhatTheRepliesMean) {
    EXPECT_EQ(ReadLoadReply({kHostReply, 1, {}}), true);
    EXPECT_EQ(ReadFreeReply({kHostReply, 0, {}}), 0);
    EXPECT_EQ(ReadIsSupportedReply({kHostReply, 0, {}}), false);
    const std::optional<QueryReply> query = ReadQueryReply({kHostReply, kQueryImportFilter, {"d", "*.pnm", "t"}});
    ASSERT_TRUE(query.has_value());
    EXPECT_EQ(query->description.extensionFilter, "*.pnm");
    EXPECT_EQ(ReadQueryReply({kHostReply, kQueryNoModule, {}})->result, kQueryNoModule);

    const std::optional<DecodeReply> none = ReadDecodeReply({kHostReply, 0, {}});
    ASSERT_TRUE(none.has_value());
    EXPECT_EQ(none->picture, DecodeReply::Picture::None);
    const std::optional<DecodeReply> onPipe = ReadDecodeReply({kHostReply, 1, {BmpFile(60)}});
    ASSERT_TRUE(onPipe.has_value());
    EXPECT_EQ(onPipe->picture, DecodeReply::Picture::OnPipe);
    EXPECT_EQ(onPipe->file, BmpFile(60));
    const std::optional<DecodeReply> shared =
        ReadDecodeReply({kHostReply, kDecodedInSharedBlock, {EncodeSharedSize(2'000'000)}});
    ASSERT_TRUE(shared.has_value());
    EXPECT_EQ(shared->picture, DecodeReply::Picture::InSharedBlock);
    EXPECT_EQ(shared->sharedSize, 2'000'000u);
}

// The ten bytes a plug-in once wrote to its host's standard output: a decode reply of value 1
// with no field, which must never pass for a picture.
TEST(HostReplyTest, AForgedDecodeReplyWithoutAPictureIsRefused) {
    const std::string forged("\x06\x00\x00\x00\x80\x01\x00\x00\x00\x00", 10);
    HostFrameReader frames;
    const std::span<char> space = frames.Space(forged.size());
    std::copy(forged.begin(), forged.end(), space.begin());
    frames.Commit(forged.size());
    ASSERT_EQ(frames.Missing(), size_t{0});
    const std::optional<HostMessage> message = frames.Take();
    ASSERT_TRUE(message.has_value());
    EXPECT_FALSE(IsReplyTo(kHostDecode, *message));
    EXPECT_FALSE(ReadDecodeReply(*message).has_value());
}

} // namespace
} // namespace pelaconf
