#include "susie/plugin_module_win.h"

#include "image/plugins_past_their_limit.h"
#include "susie/host_reply.h"
#include "susie/pe_machine.h"
#include "susie/plugin_call_limits.h"
#include "susie/plugin_host_client_win.h"
#include "win/handles.h"
#include "win/shared_reading.h"
#include "win/wide_text.h"

#include <windows.h>

#include <vector>

namespace pelaconf {
namespace {

// The machine the module file was built for; Unknown when it cannot be read.
PeMachine ModuleMachine(const std::string& path) {
    UniqueFileHandle file = OpenForSharedReading(Utf8ToWide(path));
    std::vector<uint8_t> head(kPeHeadBytes);
    DWORD read = 0;
    if (!file || !ReadFile(file.Get(), head.data(), static_cast<DWORD>(head.size()), &read, nullptr)) {
        return PeMachine::Unknown;
    }
    head.resize(read);
    return ReadPeMachine(head);
}

// The full path, so that a host started earlier from another current folder finds the same file.
std::string FullPath(const std::string& path) {
    const std::wstring wide = Utf8ToWide(path);
    const DWORD length = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    std::wstring full(length, L'\0');
    if (length == 0 || GetFullPathNameW(wide.c_str(), length, full.data(), nullptr) != length - 1) {
        return path;
    }
    full.resize(length - 1);
    return WideToUtf8(full);
}

// A new host of the module's machine: a host serves one module and is ended once the module is
// done with, so that whatever a plug-in leaves behind (threads running in its unloaded code, a
// changed current folder or FPU state, a damaged heap) never meets another. No host when the
// machine cannot be read, which is the module's failure, or when none starts, which is not.
HostStart HostForModule(const std::string& fullPath) {
    const PeMachine machine = ModuleMachine(fullPath);
    if (machine == PeMachine::Unknown) {
        return {};
    }
    return PluginHostProcess::Start(machine);
}

} // namespace

PluginModule::PluginModule() = default;
PluginModule::~PluginModule() { Free(); }
PluginModule::PluginModule(PluginModule&& other) noexcept = default;
PluginModule& PluginModule::operator=(PluginModule&& other) noexcept {
    if (this != &other) {
        Free();
        host_ = std::move(other.host_);
        path_ = std::move(other.path_);
        heldCopies_ = std::move(other.heldCopies_);
    }
    return *this;
}

void PluginModule::NoteWhenPastLimit(const PluginHostProcess& host) const {
    if (host.RanIntoLimit()) {
        NotePluginPastItsLimit(path_);
    }
}

PluginLoad PluginModule::Load(const std::string& path) {
    Free();
    const std::string fullPath = FullPath(path);
    HostStart start = HostForModule(fullPath);
    if (!start.host) {
        return {false, std::move(start.hostNotStarted)};
    }
    path_ = path;
    const std::optional<HostMessage> reply = start.host->Call({kHostLoad, 0, {fullPath}}, kPluginLoadLimitMs);
    NoteWhenPastLimit(*start.host);
    if (reply && ReadLoadReply(*reply) == true) {
        host_ = std::move(start.host);
        return {true, {}};
    }
    return {};
}

int PluginModule::Free() {
    if (!host_) {
        return 0;
    }
    const std::optional<HostMessage> reply = host_->Call({kHostFree, 0, {}}, kPluginFreeLimitMs);
    NoteWhenPastLimit(*host_);
    host_.reset();
    heldCopies_.clear();
    return reply ? ReadFreeReply(*reply).value_or(0) : 0;
}

ModuleDescription PluginModule::Describe(const std::string& path, HostsAhead& hosts) {
    Free();
    const std::string fullPath = FullPath(path);
    const PeMachine machine = ModuleMachine(fullPath);
    if (machine == PeMachine::Unknown) {
        return {kQueryNoModule, {}, {}};
    }
    HostStart start = hosts.Take(machine);
    if (!start.host) {
        return {kQueryNoModule, {}, std::move(start.hostNotStarted)};
    }
    const std::vector<HostCall> calls = {{{kHostLoad, 0, {fullPath}}, kPluginLoadLimitMs},
                                         {{kHostQuery, 0, {}}, kPluginQueryLimitMs},
                                         {{kHostFree, 0, {}}, kPluginFreeLimitMs}};
    std::vector<HostMessage> replies;
    if (start.host->SendInTurn(calls, CursorDuringWait::NotShown)) {
        hosts.StartNext(machine);
        replies = start.host->ReceiveInTurn(calls, CursorDuringWait::NotShown);
    }
    start.host.reset();
    if (replies.empty() || ReadLoadReply(replies[0]) != true) {
        return {kQueryNoModule, {}, {}};
    }
    const std::optional<QueryReply> query = replies.size() < 2 ? std::nullopt : ReadQueryReply(replies[1]);
    if (!query) {
        return {kQueryFailed, {}, {}};
    }
    return {query->result, query->description, {}};
}

int PluginModule::Query(PluginDescription& description) const {
    if (!host_) {
        return kQueryNoModule;
    }
    const std::optional<HostMessage> reply = host_->Call({kHostQuery, 0, {}}, kPluginQueryLimitMs);
    NoteWhenPastLimit(*host_);
    const std::optional<QueryReply> query = reply ? ReadQueryReply(*reply) : std::nullopt;
    if (!query) {
        return kQueryFailed;
    }
    if (query->result == kQueryImportFilter) {
        description = query->description;
    }
    return query->result;
}

std::optional<std::string> PluginModule::Decode(const std::string& path, int pictureMode) const {
    if (!host_) {
        return std::nullopt;
    }
    FileForPlugin file(FullPath(path));
    if (file.Path().empty()) {
        return std::nullopt;
    }
    std::optional<std::string> picture = DecodeThroughHost(file.Path(), pictureMode);
    if (!file.DeleteCopy()) {
        heldCopies_.push_back(std::move(file));
    }
    return picture;
}

std::optional<std::string> PluginModule::DecodeThroughHost(const std::string& path, int pictureMode) const {
    const std::optional<HostMessage> supported = host_->Call({kHostIsSupported, 0, {path}}, kPluginIsSupportedLimitMs);
    NoteWhenPastLimit(*host_);
    if (!supported || ReadIsSupportedReply(*supported) != true) {
        return std::nullopt;
    }
    std::optional<HostMessage> reply = host_->Call({kHostDecode, pictureMode, {path}}, kPluginDecodeLimitMs);
    NoteWhenPastLimit(*host_);
    std::optional<DecodeReply> picture = reply ? ReadDecodeReply(std::move(*reply)) : std::nullopt;
    if (!picture) {
        return std::nullopt;
    }
    switch (picture->picture) {
    case DecodeReply::Picture::OnPipe: return std::move(picture->file);
    case DecodeReply::Picture::InSharedBlock: {
        std::optional<std::string> file = host_->TakeSharedBlock(picture->sharedSize);
        NoteWhenPastLimit(*host_);
        return file;
    }
    case DecodeReply::Picture::None: break;
    }
    return std::nullopt;
}

} // namespace pelaconf
