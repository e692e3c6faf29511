#include "susie/plugin_module_win.h"

#include "susie/pe_machine.h"
#include "susie/plugin_call_limits.h"
#include "susie/plugin_host_client_win.h"
#include "win/handles.h"
#include "win/wide_text.h"

#include <windows.h>

#include <vector>

namespace pelaconf {
namespace {

// The machine the module file was built for; Unknown when it cannot be read.
PeMachine ModuleMachine(const std::string& path) {
    UniqueFileHandle file(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
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

// A started host of the module's machine, idle or new; null when the machine cannot be read or
// no host starts.
std::unique_ptr<PluginHostProcess> HostForModule(const std::string& fullPath) {
    const PeMachine machine = ModuleMachine(fullPath);
    if (machine == PeMachine::Unknown) {
        return nullptr;
    }
    std::unique_ptr<PluginHostProcess> host = TakeIdleHost(machine);
    return host ? std::move(host) : PluginHostProcess::Start(machine);
}

} // namespace

PluginModule::PluginModule() = default;
PluginModule::~PluginModule() { Free(); }
PluginModule::PluginModule(PluginModule&& other) noexcept = default;
PluginModule& PluginModule::operator=(PluginModule&& other) noexcept {
    if (this != &other) {
        Free();
        host_ = std::move(other.host_);
    }
    return *this;
}

bool PluginModule::Load(const std::string& path) {
    Free();
    const std::string fullPath = FullPath(path);
    std::unique_ptr<PluginHostProcess> host = HostForModule(fullPath);
    if (!host) {
        return false;
    }
    const std::optional<HostMessage> reply = host->Call({kHostLoad, 0, {fullPath}}, kPluginLoadLimitMs);
    if (reply && reply->value == 1) {
        host_ = std::move(host);
        return true;
    }
    KeepIdleHost(std::move(host));
    return false;
}

int PluginModule::Free() {
    if (!host_) {
        return 0;
    }
    const std::optional<HostMessage> reply = host_->Call({kHostFree, 0, {}}, kPluginFreeLimitMs);
    KeepIdleHost(std::move(host_));
    return reply ? reply->value : 0;
}

int PluginModule::Describe(const std::string& path, PluginDescription& description) {
    Free();
    const std::string fullPath = FullPath(path);
    std::unique_ptr<PluginHostProcess> host = HostForModule(fullPath);
    if (!host) {
        return kQueryNoModule;
    }
    const std::vector<HostMessage> replies = host->CallInTurn({{{kHostLoad, 0, {fullPath}}, kPluginLoadLimitMs},
                                                               {{kHostQuery, 0, {}}, kPluginQueryLimitMs},
                                                               {{kHostFree, 0, {}}, kPluginFreeLimitMs}},
                                                              WaitCursor::NotShown);
    KeepIdleHost(std::move(host));
    if (replies.empty() || replies[0].value != 1) {
        return kQueryNoModule;
    }
    if (replies.size() < 2) {
        return kQueryFailed;
    }
    const HostMessage& query = replies[1];
    if (query.value == kQueryImportFilter) {
        description = {query.fields[0], query.fields[1], query.fields[2]};
    }
    return query.value;
}

int PluginModule::Query(PluginDescription& description) const {
    if (!host_) {
        return kQueryNoModule;
    }
    const std::optional<HostMessage> reply = host_->Call({kHostQuery, 0, {}}, kPluginQueryLimitMs);
    if (!reply) {
        return kQueryFailed;
    }
    if (reply->value == kQueryImportFilter) {
        description = {reply->fields[0], reply->fields[1], reply->fields[2]};
    }
    return reply->value;
}

std::optional<std::string> PluginModule::Decode(const std::string& path, int pictureMode) const {
    if (!host_) {
        return std::nullopt;
    }
    const std::string fullPath = FullPath(path);
    const std::optional<HostMessage> supported =
        host_->Call({kHostIsSupported, 0, {fullPath}}, kPluginIsSupportedLimitMs);
    if (!supported || supported->value != 1) {
        return std::nullopt;
    }
    std::optional<HostMessage> picture = host_->Call({kHostDecode, pictureMode, {fullPath}}, kPluginDecodeLimitMs);
    if (picture && picture->value == kDecodedInSharedBlock) {
        return host_->TakeSharedBlock(*DecodeSharedBlock(picture->fields[0]));
    }
    if (!picture || picture->value != 1) {
        return std::nullopt;
    }
    return std::move(picture->fields[0]);
}

} // namespace pelaconf
