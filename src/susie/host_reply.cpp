#include "susie/host_reply.h"

#include "image/little_endian.h"

namespace pelaconf {
namespace {

constexpr size_t kBmpHeadersBytes = 14 + 40;

// A reply of the value with no field, the value being 0 or 1.
std::optional<bool> ReadYesOrNo(const HostMessage& reply) {
    if (reply.kind != kHostReply || !reply.fields.empty() || (reply.value != 0 && reply.value != 1)) {
        return std::nullopt;
    }
    return reply.value == 1;
}

bool FitsAnsiField(const std::string& text, size_t fieldSize) { return text.size() <= Utf8BytesOfAnsiField(fieldSize); }

bool IsQueryFailure(int32_t value) {
    return value == kQueryNotImportFilter || value == kQueryNoModule || value == kQueryFailed;
}

bool IsSharedPictureSize(std::optional<uint32_t> size) {
    return size && *size >= kBmpHeadersBytes && *size <= kMaxPluginBmpFile;
}

// Where a decode reply's picture is, checked without copying it; empty when the reply is not one.
std::optional<DecodeReply::Picture> DecodedPicture(const HostMessage& reply) {
    if (reply.kind != kHostReply) {
        return std::nullopt;
    }
    if (reply.value == 0 && reply.fields.empty()) {
        return DecodeReply::Picture::None;
    }
    if (reply.fields.size() != 1) {
        return std::nullopt;
    }
    if (reply.value == 1 && IsPluginBmpFile(reply.fields[0])) {
        return DecodeReply::Picture::OnPipe;
    }
    if (reply.value == kDecodedInSharedBlock && IsSharedPictureSize(DecodeSharedSize(reply.fields[0]))) {
        return DecodeReply::Picture::InSharedBlock;
    }
    return std::nullopt;
}

} // namespace

bool IsPluginBmpFile(std::string_view file) {
    return file.size() >= kBmpHeadersBytes && file.size() <= kMaxPluginBmpFile && file.starts_with("BM") &&
           ReadLe32(file, 2) == file.size();
}

std::optional<bool> ReadLoadReply(const HostMessage& reply) { return ReadYesOrNo(reply); }

std::optional<int> ReadFreeReply(const HostMessage& reply) {
    const std::optional<bool> freed = ReadYesOrNo(reply);
    return freed ? std::optional<int>(*freed ? 1 : 0) : std::nullopt;
}

std::optional<bool> ReadIsSupportedReply(const HostMessage& reply) { return ReadYesOrNo(reply); }

std::optional<bool> ReadFillReply(const HostMessage& reply) { return ReadYesOrNo(reply); }

std::optional<QueryReply> ReadQueryReply(const HostMessage& reply) {
    if (reply.kind != kHostReply) {
        return std::nullopt;
    }
    if (IsQueryFailure(reply.value) && reply.fields.empty()) {
        return QueryReply{reply.value, {}};
    }
    if (reply.value != kQueryImportFilter || reply.fields.size() != 3 ||
        !FitsAnsiField(reply.fields[0], kDescriptionField) || !FitsAnsiField(reply.fields[1], kExtensionFilterField) ||
        !FitsAnsiField(reply.fields[2], kFileTypeNameField)) {
        return std::nullopt;
    }
    return QueryReply{kQueryImportFilter, {reply.fields[0], reply.fields[1], reply.fields[2]}};
}

std::optional<DecodeReply> ReadDecodeReply(HostMessage reply) {
    const std::optional<DecodeReply::Picture> picture = DecodedPicture(reply);
    if (!picture) {
        return std::nullopt;
    }
    switch (*picture) {
    case DecodeReply::Picture::OnPipe: return DecodeReply{*picture, std::move(reply.fields[0]), {}};
    case DecodeReply::Picture::InSharedBlock: return DecodeReply{*picture, {}, *DecodeSharedSize(reply.fields[0])};
    case DecodeReply::Picture::None: break;
    }
    return DecodeReply{};
}

bool IsReplyTo(uint8_t requestKind, const HostMessage& reply) {
    switch (requestKind) {
    case kHostLoad: return ReadLoadReply(reply).has_value();
    case kHostFree: return ReadFreeReply(reply).has_value();
    case kHostIsSupported: return ReadIsSupportedReply(reply).has_value();
    case kHostQuery: return ReadQueryReply(reply).has_value();
    case kHostDecode: return DecodedPicture(reply).has_value();
    case kHostFillSharedBlock: return ReadFillReply(reply).has_value();
    default: return false;
    }
}

} // namespace pelaconf
