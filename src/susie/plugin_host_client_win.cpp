#include "susie/plugin_host_client_win.h"

#include "susie/plugin_call_limits.h"
#include "susie/plugin_description.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <mutex>
#include <string>
#include <vector>

namespace pelaconf {
namespace {

constexpr size_t kMaxIdleHosts = 4;
constexpr DWORD kPipeBufferBytes = 1 << 20;
// What one read asks for when it waits for a reply's head: replies sent together come in one read.
constexpr DWORD kReadAheadBytes = 64 * 1024;

// Every host is in this job, which the system closes when Pelaconf ends, however it ends: no
// host outlives it.
HANDLE PluginHostJob() {
    static const HANDLE job = [] {
        HANDLE created = CreateJobObjectW(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        if (created != nullptr &&
            !SetInformationJobObject(created, JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
            CloseHandle(created);
            created = nullptr;
        }
        return created;
    }();
    return job;
}

std::wstring HostProgramPath(PeMachine machine) {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size()) {
        path.resize(path.size() * 2);
    }
    path.resize(length);
    path.erase(path.find_last_of(L'\\') + 1);
    return path + (machine == PeMachine::I386 ? L"PelaconfPluginHost32.exe" : L"PelaconfPluginHost64.exe");
}

// A new duplex pipe: this side overlapped, the host's side inheritable. The name must be new to
// the whole system: a process id is soon used again, and a pipe of an ended Pelaconf lives on
// while a host of it is still being ended, so the name also holds the moment it was made, and a
// name already taken is replaced by another.
bool CreateHostPipe(UniqueFileHandle& ours, UniqueFileHandle& hosts) {
    static LONG counter = 0;
    constexpr int kNameAttempts = 8;
    for (int attempt = 0; attempt < kNameAttempts && !ours; ++attempt) {
        LARGE_INTEGER now{};
        QueryPerformanceCounter(&now);
        const std::wstring name = L"\\\\.\\pipe\\pelaconf-plugin-host-" + std::to_wstring(GetCurrentProcessId()) +
                                  L"-" + std::to_wstring(InterlockedIncrement(&counter)) + L"-" +
                                  std::to_wstring(now.QuadPart);
        ours.Reset(CreateNamedPipeW(name.c_str(),
                                    PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
                                    PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1,
                                    kPipeBufferBytes, kPipeBufferBytes, 0, nullptr));
        if (ours) {
            SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
            hosts.Reset(CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, &inherited, OPEN_EXISTING, 0, nullptr));
        }
    }
    return ours && hosts;
}

// Waits for the event until the deadline (GetTickCount64 milliseconds), showing the wait cursor
// once the wait is long enough to be seen; true when the event was signalled.
bool WaitUntil(HANDLE event, uint64_t deadline, WaitCursor cursor) {
    const uint64_t now = GetTickCount64();
    const uint64_t remaining = deadline > now ? deadline - now : 0;
    const DWORD first = cursor == WaitCursor::Shown
                            ? static_cast<DWORD>(std::min<uint64_t>(remaining, kPluginWaitCursorAfterMs))
                            : static_cast<DWORD>(remaining);
    if (WaitForSingleObject(event, first) == WAIT_OBJECT_0) {
        return true;
    }
    if (remaining <= first) {
        return false;
    }
    const HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    const bool signalled = WaitForSingleObject(event, static_cast<DWORD>(remaining - first)) == WAIT_OBJECT_0;
    SetCursor(previous);
    return signalled;
}

bool IsWellFormedReply(const HostMessage& request, const HostMessage& reply) {
    if (reply.kind != kHostReply) {
        return false;
    }
    const size_t fields = reply.fields.size();
    const bool yesOrNo = (reply.value == 0 || reply.value == 1) && fields == 0;
    switch (request.kind) {
    case kHostLoad:
    case kHostFree:
    case kHostIsSupported: return yesOrNo;
    case kHostQuery:
        return reply.value == kQueryImportFilter ? fields == 3
                                                 : fields == 0 && (reply.value == kQueryNotImportFilter ||
                                                                   reply.value == kQueryNoModule ||
                                                                   reply.value == kQueryFailed);
    case kHostDecode:
        return yesOrNo || (reply.value == 1 && fields == 1 && reply.fields[0].starts_with("BM")) ||
               (reply.value == kDecodedInSharedBlock && fields == 1 && DecodeSharedBlock(reply.fields[0]));
    default: return false;
    }
}

std::vector<std::unique_ptr<PluginHostProcess>>& IdleHosts() {
    static std::vector<std::unique_ptr<PluginHostProcess>> hosts;
    return hosts;
}

std::mutex& IdleHostsLock() {
    static std::mutex lock;
    return lock;
}

} // namespace

PluginHostProcess::PluginHostProcess(PeMachine machine, UniqueKernelHandle process, UniqueFileHandle pipe,
                                     UniqueKernelHandle event)
    : machine_(machine), process_(std::move(process)), pipe_(std::move(pipe)), event_(std::move(event)) {}

PluginHostProcess::~PluginHostProcess() { End(); }

bool PluginHostProcess::IsUsable() const {
    return usable_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

std::unique_ptr<PluginHostProcess> PluginHostProcess::Start(PeMachine machine) {
    UniqueFileHandle ours, hosts;
    UniqueKernelHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (machine == PeMachine::Unknown || !event || !CreateHostPipe(ours, hosts)) {
        return nullptr;
    }
    const std::wstring program = HostProgramPath(machine);
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = hosts.Get();
    startup.hStdError = nullptr;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED | CREATE_NO_WINDOW,
                        nullptr, nullptr, &startup, &started)) {
        return nullptr;
    }
    UniqueKernelHandle process(started.hProcess), thread(started.hThread);
    const HANDLE job = PluginHostJob();
    if (job == nullptr || !AssignProcessToJobObject(job, process.Get())) {
        TerminateProcess(process.Get(), 1);
        return nullptr;
    }
    ResumeThread(thread.Get());
    // Only the host holds its end now, so that its end closing is seen here as a broken pipe.
    hosts.Reset();
    return std::unique_ptr<PluginHostProcess>(
        new PluginHostProcess(machine, std::move(process), std::move(ours), std::move(event)));
}

void PluginHostProcess::End() {
    if (process_) {
        TerminateProcess(process_.Get(), 1);
        WaitForSingleObject(process_.Get(), kPluginFreeLimitMs);
    }
    usable_ = false;
    pipe_.Reset();
    process_.Reset();
}

// Moves bytes on the pipe: all of them when writing, at least one when reading. The count moved,
// or 0 when the pipe failed or the deadline passed, which ends the host.
DWORD PluginHostProcess::Transfer(bool writing, char* data, DWORD size, uint64_t deadline, WaitCursor cursor) {
    OVERLAPPED overlapped{};
    overlapped.hEvent = event_.Get();
    const BOOL done = writing ? WriteFile(pipe_.Get(), data, size, nullptr, &overlapped)
                              : ReadFile(pipe_.Get(), data, size, nullptr, &overlapped);
    DWORD moved = 0;
    if (!done && GetLastError() != ERROR_IO_PENDING) {
        return 0;
    }
    if (!done && !WaitUntil(event_.Get(), deadline, cursor)) {
        // The host is ended first, so that the cancelled transfer completes at once.
        TerminateProcess(process_.Get(), 1);
        CancelIo(pipe_.Get());
        GetOverlappedResult(pipe_.Get(), &overlapped, &moved, TRUE);
        return 0;
    }
    return GetOverlappedResult(pipe_.Get(), &overlapped, &moved, FALSE) ? moved : 0;
}

bool PluginHostProcess::WriteAll(std::string bytes, uint64_t deadline, WaitCursor cursor) {
    for (size_t at = 0; at < bytes.size();) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - at, kPipeBufferBytes));
        const DWORD moved = Transfer(true, bytes.data() + at, chunk, deadline, cursor);
        if (moved == 0) {
            return false;
        }
        at += moved;
    }
    return true;
}

// True once at least size bytes are held; a reply's head is read with room for what follows it.
bool PluginHostProcess::Receive(size_t size, uint64_t deadline, WaitCursor cursor) {
    while (received_.size() < size) {
        const size_t held = received_.size();
        const DWORD chunk =
            static_cast<DWORD>(std::min<size_t>(std::max<size_t>(size - held, kReadAheadBytes), kPipeBufferBytes));
        received_.resize(held + chunk);
        const DWORD moved = Transfer(false, received_.data() + held, chunk, deadline, cursor);
        received_.resize(held + moved);
        if (moved == 0) {
            return false;
        }
    }
    return true;
}

std::optional<HostMessage> PluginHostProcess::ReadReply(const HostMessage& request, uint64_t deadline,
                                                        WaitCursor cursor) {
    if (!Receive(kHostFrameHeader, deadline, cursor)) {
        return std::nullopt;
    }
    std::array<uint8_t, kHostFrameHeader> header{};
    std::copy_n(received_.begin(), kHostFrameHeader, header.begin());
    const std::optional<uint32_t> length = HostBodyLength(header);
    if (!length || !Receive(kHostFrameHeader + *length, deadline, cursor)) {
        return std::nullopt;
    }
    std::optional<HostMessage> reply = DecodeHostMessage(std::string_view(received_).substr(kHostFrameHeader, *length));
    received_.erase(0, kHostFrameHeader + *length);
    if (!reply || !IsWellFormedReply(request, *reply)) {
        return std::nullopt;
    }
    return reply;
}

std::vector<HostMessage> PluginHostProcess::CallInTurn(const std::vector<HostCall>& calls, WaitCursor cursor) {
    std::vector<HostMessage> replies;
    std::string frames;
    uint32_t limitOfAll = 0;
    for (const HostCall& call : calls) {
        frames += EncodeHostMessage(call.request);
        limitOfAll += call.limitMs;
    }
    if (!IsUsable() || !WriteAll(std::move(frames), GetTickCount64() + limitOfAll, cursor)) {
        End();
        return replies;
    }
    for (const HostCall& call : calls) {
        std::optional<HostMessage> reply = ReadReply(call.request, GetTickCount64() + call.limitMs, cursor);
        if (!reply) {
            End();
            break;
        }
        replies.push_back(std::move(*reply));
    }
    return replies;
}

std::optional<HostMessage> PluginHostProcess::Call(const HostMessage& request, uint32_t limitMs) {
    std::vector<HostMessage> replies = CallInTurn({{request, limitMs}}, WaitCursor::Shown);
    if (replies.empty()) {
        return std::nullopt;
    }
    return std::move(replies.front());
}

std::optional<std::string> PluginHostProcess::TakeSharedBlock(const SharedBlock& block) {
    HANDLE duplicated = nullptr;
    const HANDLE inHost = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(block.handle));
    if (!IsUsable() ||
        !DuplicateHandle(process_.Get(), inHost, GetCurrentProcess(), &duplicated, FILE_MAP_READ, FALSE, 0)) {
        End();
        return std::nullopt;
    }
    UniqueKernelHandle mapping(duplicated);
    // Mapping more than the section holds fails, so the size the host gave is never read past.
    const void* view = MapViewOfFile(mapping.Get(), FILE_MAP_READ, 0, 0, block.size);
    if (view == nullptr) {
        End();
        return std::nullopt;
    }
    std::string file(static_cast<const char*>(view), block.size);
    UnmapViewOfFile(view);
    if (!file.starts_with("BM")) {
        End();
        return std::nullopt;
    }
    return file;
}

std::unique_ptr<PluginHostProcess> TakeIdleHost(PeMachine machine) {
    const std::lock_guard held(IdleHostsLock());
    auto& hosts = IdleHosts();
    for (auto it = hosts.begin(); it != hosts.end(); ++it) {
        if ((*it)->Machine() == machine && (*it)->IsUsable()) {
            std::unique_ptr<PluginHostProcess> host = std::move(*it);
            hosts.erase(it);
            return host;
        }
    }
    return nullptr;
}

void KeepIdleHost(std::unique_ptr<PluginHostProcess> host) {
    if (!host || !host->IsUsable()) {
        return;
    }
    const std::lock_guard held(IdleHostsLock());
    auto& hosts = IdleHosts();
    if (hosts.size() < kMaxIdleHosts) {
        hosts.push_back(std::move(host));
    }
}

} // namespace pelaconf
