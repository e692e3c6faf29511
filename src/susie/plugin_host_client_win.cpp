#include "susie/plugin_host_client_win.h"

#include "susie/plugin_call_limits.h"
#include "susie/plugin_description.h"

#include <windows.h>

#include <array>
#include <string>
#include <vector>

namespace pelaconf {
namespace {

constexpr size_t kMaxIdleHosts = 2;
constexpr DWORD kPipeBufferBytes = 1 << 20;

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
bool WaitUntil(HANDLE event, uint64_t deadline) {
    const uint64_t now = GetTickCount64();
    const uint64_t remaining = deadline > now ? deadline - now : 0;
    const DWORD first = static_cast<DWORD>(std::min<uint64_t>(remaining, kPluginWaitCursorAfterMs));
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
        return yesOrNo || (reply.value == 1 && fields == 1 && reply.fields[0].starts_with("BM"));
    default: return false;
    }
}

std::vector<std::unique_ptr<PluginHostProcess>>& IdleHosts() {
    static std::vector<std::unique_ptr<PluginHostProcess>> hosts;
    return hosts;
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

bool PluginHostProcess::Transfer(bool writing, char* data, size_t size, uint64_t deadline) {
    while (size > 0) {
        OVERLAPPED overlapped{};
        overlapped.hEvent = event_.Get();
        ResetEvent(event_.Get());
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(size, kPipeBufferBytes));
        const BOOL done = writing ? WriteFile(pipe_.Get(), data, chunk, nullptr, &overlapped)
                                  : ReadFile(pipe_.Get(), data, chunk, nullptr, &overlapped);
        if (!done && GetLastError() != ERROR_IO_PENDING) {
            return false;
        }
        DWORD moved = 0;
        if (!WaitUntil(event_.Get(), deadline)) {
            // The host is ended first, so that the cancelled transfer completes at once.
            TerminateProcess(process_.Get(), 1);
            CancelIo(pipe_.Get());
            GetOverlappedResult(pipe_.Get(), &overlapped, &moved, TRUE);
            return false;
        }
        if (!GetOverlappedResult(pipe_.Get(), &overlapped, &moved, FALSE) || moved == 0) {
            return false;
        }
        data += moved;
        size -= moved;
    }
    return true;
}

std::optional<HostMessage> PluginHostProcess::Exchange(const HostMessage& request, uint64_t deadline) {
    std::string frame = EncodeHostMessage(request);
    std::array<uint8_t, kHostFrameHeader> header{};
    if (!Transfer(true, frame.data(), frame.size(), deadline) ||
        !Transfer(false, reinterpret_cast<char*>(header.data()), header.size(), deadline)) {
        return std::nullopt;
    }
    const std::optional<uint32_t> length = HostBodyLength(header);
    if (!length) {
        return std::nullopt;
    }
    std::string body(*length, '\0');
    if (!Transfer(false, body.data(), body.size(), deadline)) {
        return std::nullopt;
    }
    std::optional<HostMessage> reply = DecodeHostMessage(body);
    if (!reply || !IsWellFormedReply(request, *reply)) {
        return std::nullopt;
    }
    return reply;
}

std::optional<HostMessage> PluginHostProcess::Call(const HostMessage& request, uint32_t limitMs) {
    if (!IsUsable()) {
        End();
        return std::nullopt;
    }
    std::optional<HostMessage> reply = Exchange(request, GetTickCount64() + limitMs);
    if (!reply) {
        End();
    }
    return reply;
}

std::unique_ptr<PluginHostProcess> TakeIdleHost(PeMachine machine) {
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
    auto& hosts = IdleHosts();
    if (host && host->IsUsable() && hosts.size() < kMaxIdleHosts) {
        hosts.push_back(std::move(host));
    }
}

} // namespace pelaconf
