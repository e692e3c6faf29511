#include "susie/plugin_host_client_win.h"

#include "susie/host_command_line.h"
#include "susie/host_reply.h"
#include "susie/plugin_call_limits.h"
#include "win/paint_while_waiting.h"
#include "win/wide_text.h"

#include <windows.h>

#include <sddl.h>

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace pelaconf {
namespace {

constexpr DWORD kPipeBufferBytes = 1 << 20;
// What one read asks for when it waits for a reply's head: replies sent together come in one read.
constexpr DWORD kReadAheadBytes = 64 * 1024;

// A job of the host's own. Closing it ends the host, so the system ends it when Pelaconf ends,
// however Pelaconf ends. A fault that a plug-in's own exception filter would keep alive ends the
// host at once; the host may commit no more than kPluginHostMemoryLimit, and start no process.
UniqueKernelHandle CreateHostJob() {
    UniqueKernelHandle job(CreateJobObjectW(nullptr, nullptr));
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE |
                                              JOB_OBJECT_LIMIT_DIE_ON_UNHANDLED_EXCEPTION |
                                              JOB_OBJECT_LIMIT_PROCESS_MEMORY | JOB_OBJECT_LIMIT_ACTIVE_PROCESS;
    limits.BasicLimitInformation.ActiveProcessLimit = 1;
    limits.ProcessMemoryLimit = kPluginHostMemoryLimit;
    if (job && !SetInformationJobObject(job.Get(), JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
        job.Reset();
    }
    return job;
}

// A handle to this process that a host may inherit and wait on, made once and kept for the run.
HANDLE InheritableSelf() {
    static const HANDLE self = [] {
        HANDLE duplicated = nullptr;
        return DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &duplicated, SYNCHRONIZE,
                               TRUE, 0)
                   ? duplicated
                   : nullptr;
    }();
    return self;
}

bool IsInAnyJob() {
    BOOL inJob = FALSE;
    return IsProcessInJob(GetCurrentProcess(), nullptr, &inJob) && inJob;
}

// The attribute list that lets a started process inherit exactly the handles given.
class InheritedHandleList {
public:
    explicit InheritedHandleList(std::vector<HANDLE> handles) : handles_(std::move(handles)) {
        SIZE_T size = 0;
        InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
        storage_.resize(size);
        auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(storage_.data());
        if (InitializeProcThreadAttributeList(list, 1, 0, &size)) {
            list_ = list;
            if (!UpdateProcThreadAttribute(list_, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, handles_.data(),
                                           handles_.size() * sizeof(HANDLE), nullptr, nullptr)) {
                DeleteProcThreadAttributeList(list_);
                list_ = nullptr;
            }
        }
    }
    ~InheritedHandleList() {
        if (list_ != nullptr) {
            DeleteProcThreadAttributeList(list_);
        }
    }
    InheritedHandleList(const InheritedHandleList&) = delete;
    InheritedHandleList& operator=(const InheritedHandleList&) = delete;

    LPPROC_THREAD_ATTRIBUTE_LIST Get() const { return list_; }

private:
    std::vector<HANDLE> handles_;
    std::vector<unsigned char> storage_;
    LPPROC_THREAD_ATTRIBUTE_LIST list_ = nullptr;
};

struct StartedProcess {
    UniqueKernelHandle process;
    UniqueKernelHandle thread;
    UniqueKernelHandle job; // none where the host could not be put in a job of its own
};

// Starts the host, inheriting the pipe end and Pelaconf's process and nothing else; its standard
// handles are none of ours.
std::optional<StartedProcess> CreateHostProcess(const std::wstring& program, HANDLE pipeEnd, DWORD extraFlags) {
    if (InheritableSelf() == nullptr) {
        return std::nullopt;
    }
    const HostHandles handles{reinterpret_cast<uintptr_t>(pipeEnd), reinterpret_cast<uintptr_t>(InheritableSelf())};
    const InheritedHandleList list({pipeEnd, InheritableSelf()});
    if (list.Get() == nullptr) {
        return std::nullopt;
    }
    std::wstring commandLine = L"\"" + program + L"\" " + Utf8ToWide(FormatHostArguments(handles));
    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    startup.lpAttributeList = list.Get();
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                        CREATE_NO_WINDOW | CREATE_SUSPENDED | EXTENDED_STARTUPINFO_PRESENT | extraFlags, nullptr,
                        nullptr,
                        &startup.StartupInfo, &started)) {
        return std::nullopt;
    }
    return StartedProcess{UniqueKernelHandle(started.hProcess), UniqueKernelHandle(started.hThread), {}};
}

// Starts the host so that it cannot outlive Pelaconf. Each host watches Pelaconf's process and ends
// with it, from its first moment: a Pelaconf ended between a host's start and its joining its job
// leaves no host behind. The host runs only once it is in its job, leaving a job Pelaconf runs in
// when that job allows it. Where it cannot join one (the system nests no jobs and Pelaconf's job
// forbids leaving it), the watch alone ends it. Empty when the host cannot be started.
std::optional<StartedProcess> StartHostProcess(const std::wstring& program, HANDLE pipeEnd) {
    std::optional<StartedProcess> started;
    if (IsInAnyJob()) {
        started = CreateHostProcess(program, pipeEnd, CREATE_BREAKAWAY_FROM_JOB);
    }
    if (!started) {
        started = CreateHostProcess(program, pipeEnd, 0);
    }
    if (!started) {
        return std::nullopt;
    }
    UniqueKernelHandle job = CreateHostJob();
    if (job && AssignProcessToJobObject(job.Get(), started->process.Get())) {
        started->job = std::move(job);
    }
    if (ResumeThread(started->thread.Get()) == static_cast<DWORD>(-1)) {
        TerminateProcess(started->process.Get(), 1);
        return std::nullopt;
    }
    return started;
}

std::wstring HostProgramPath(PeMachine machine) {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size()) {
        path.resize(path.size() * 2);
    }
    path.resize(length);
    path.erase(path.find_last_of(L'\\') + 1);
    return path + Utf8ToWide(HostProgramName(machine));
}

// A security descriptor that lets only the user Pelaconf runs as open the pipe.
class OwnUserOnly {
public:
    OwnUserOnly() {
        HANDLE token = nullptr;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
            return;
        }
        UniqueKernelHandle owned(token);
        DWORD size = 0;
        GetTokenInformation(token, TokenUser, nullptr, 0, &size);
        std::vector<unsigned char> user(size);
        wchar_t* sid = nullptr;
        if (size == 0 || !GetTokenInformation(token, TokenUser, user.data(), size, &size) ||
            !ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid, &sid)) {
            return;
        }
        const std::wstring onlyTheUser = L"D:P(A;;GA;;;" + std::wstring(sid) + L")";
        LocalFree(sid);
        ConvertStringSecurityDescriptorToSecurityDescriptorW(onlyTheUser.c_str(), SDDL_REVISION_1, &descriptor_,
                                                             nullptr);
    }
    ~OwnUserOnly() { LocalFree(descriptor_); }
    OwnUserOnly(const OwnUserOnly&) = delete;
    OwnUserOnly& operator=(const OwnUserOnly&) = delete;

    // Null when it could not be made.
    PSECURITY_DESCRIPTOR Get() const { return descriptor_; }

private:
    PSECURITY_DESCRIPTOR descriptor_ = nullptr;
};

// A new duplex pipe that only this user may open: this side overlapped, the host's side
// inheritable. The name must be new to the whole system: a process id is soon used again, and a
// pipe of an ended Pelaconf lives on while a host of it is still being ended, so the name also
// holds the moment it was made. A name already taken, or a pipe another process opened before
// us, is given up for another.
bool CreateHostPipe(UniqueFileHandle& ours, UniqueFileHandle& hosts) {
    static LONG counter = 0;
    constexpr int kNameAttempts = 8;
    const OwnUserOnly onlyThisUser;
    if (onlyThisUser.Get() == nullptr) {
        return false;
    }
    SECURITY_ATTRIBUTES restricted{sizeof restricted, onlyThisUser.Get(), FALSE};
    for (int attempt = 0; attempt < kNameAttempts && !hosts; ++attempt) {
        LARGE_INTEGER now{};
        QueryPerformanceCounter(&now);
        const std::wstring name = L"\\\\.\\pipe\\pelaconf-plugin-host-" + std::to_wstring(GetCurrentProcessId()) +
                                  L"-" + std::to_wstring(InterlockedIncrement(&counter)) + L"-" +
                                  std::to_wstring(now.QuadPart);
        ours.Reset(CreateNamedPipeW(name.c_str(),
                                    PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
                                    PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1,
                                    kPipeBufferBytes, kPipeBufferBytes, 0, &restricted));
        if (ours) {
            SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
            hosts.Reset(CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, &inherited, OPEN_EXISTING,
                                    SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION, nullptr));
        }
    }
    return ours && hosts;
}

enum class WaitEnd { Completed, HostEnded, LimitReached };

// Waits for the transfer's event until the deadline (GetTickCount64 milliseconds), the window
// painting meanwhile, and shows the wait cursor once the wait is long enough to be seen.
WaitEnd WaitUntil(HANDLE event, HANDLE process, uint64_t deadline, CursorDuringWait cursor) {
    const HANDLE watched[] = {event, process}; // the event first: a transfer that completed counts
    const uint64_t now = GetTickCount64();
    const uint64_t remaining = deadline > now ? deadline - now : 0;
    const DWORD first = cursor == CursorDuringWait::Shown
                            ? static_cast<DWORD>(std::min<uint64_t>(remaining, kPluginWaitCursorAfterMs))
                            : static_cast<DWORD>(remaining);
    DWORD woken = WaitWhilePainting(watched, first);
    if (woken == WAIT_TIMEOUT && remaining > first) {
        const HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        woken = WaitWhilePainting(watched, static_cast<DWORD>(remaining - first));
        SetCursor(previous);
    }
    switch (woken) {
    case WAIT_OBJECT_0: return WaitEnd::Completed;
    case WAIT_TIMEOUT: return WaitEnd::LimitReached;
    default: return WaitEnd::HostEnded;
    }
}

} // namespace

PluginHostProcess::PluginHostProcess(PeMachine machine, UniqueKernelHandle process, UniqueKernelHandle job,
                                     UniqueFileHandle pipe, UniqueKernelHandle event)
    : machine_(machine), process_(std::move(process)), job_(std::move(job)), pipe_(std::move(pipe)),
      event_(std::move(event)) {}

PluginHostProcess::~PluginHostProcess() { End(); }

bool PluginHostProcess::IsUsable() const {
    return usable_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

HostStart PluginHostProcess::Start(PeMachine machine) {
    UniqueFileHandle ours, hosts;
    UniqueKernelHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    std::optional<StartedProcess> started;
    if (event && CreateHostPipe(ours, hosts)) {
        started = StartHostProcess(HostProgramPath(machine), hosts.Get());
    }
    if (!started) {
        return {nullptr, std::string(HostProgramName(machine))};
    }
    // Only the host holds its end now, so that its end closing is seen here as a broken pipe.
    hosts.Reset();
    return {std::unique_ptr<PluginHostProcess>(
                new PluginHostProcess(machine, std::move(started->process), std::move(started->job), std::move(ours),
                                      std::move(event))),
            {}};
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
DWORD PluginHostProcess::Transfer(bool writing, char* data, DWORD size, uint64_t deadline, CursorDuringWait cursor) {
    OVERLAPPED overlapped{};
    overlapped.hEvent = event_.Get();
    const BOOL done = writing ? WriteFile(pipe_.Get(), data, size, nullptr, &overlapped)
                              : ReadFile(pipe_.Get(), data, size, nullptr, &overlapped);
    DWORD moved = 0;
    if (!done && GetLastError() != ERROR_IO_PENDING) {
        return 0;
    }
    const WaitEnd waited = done ? WaitEnd::Completed : WaitUntil(event_.Get(), process_.Get(), deadline, cursor);
    if (waited != WaitEnd::Completed) {
        ranIntoLimit_ = ranIntoLimit_ || waited == WaitEnd::LimitReached;
        // The host is ended first, so that the cancelled transfer completes at once.
        TerminateProcess(process_.Get(), 1);
        CancelIo(pipe_.Get());
        GetOverlappedResult(pipe_.Get(), &overlapped, &moved, TRUE);
        return 0;
    }
    return GetOverlappedResult(pipe_.Get(), &overlapped, &moved, FALSE) ? moved : 0;
}

bool PluginHostProcess::WriteAll(std::string bytes, uint64_t deadline, CursorDuringWait cursor) {
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

// True once the next frame is whole; a frame's head is read with room for what follows it.
bool PluginHostProcess::Receive(uint64_t deadline, CursorDuringWait cursor) {
    for (std::optional<size_t> missing = received_.Missing(); missing != size_t{0}; missing = received_.Missing()) {
        if (!missing) {
            return false;
        }
        const std::span<char> space =
            received_.Space(std::min<size_t>(std::max<size_t>(*missing, kReadAheadBytes), kPipeBufferBytes));
        const DWORD moved = Transfer(false, space.data(), static_cast<DWORD>(space.size()), deadline, cursor);
        received_.Commit(moved);
        if (moved == 0) {
            return false;
        }
    }
    return true;
}

std::optional<HostMessage> PluginHostProcess::ReadReply(const HostMessage& request, uint64_t deadline,
                                                        CursorDuringWait cursor) {
    if (!Receive(deadline, cursor)) {
        return std::nullopt;
    }
    std::optional<HostMessage> reply = received_.Take();
    if (!reply || !IsReplyTo(request.kind, *reply)) {
        return std::nullopt;
    }
    return reply;
}

bool PluginHostProcess::SendInTurn(const std::vector<HostCall>& calls, CursorDuringWait cursor) {
    std::string frames;
    uint32_t limitOfAll = 0;
    for (const HostCall& call : calls) {
        frames += EncodeHostMessage(call.request);
        limitOfAll += call.limitMs;
    }
    if (!IsUsable() || !WriteAll(std::move(frames), GetTickCount64() + limitOfAll, cursor)) {
        End();
        return false;
    }
    return true;
}

std::vector<HostMessage> PluginHostProcess::ReceiveInTurn(const std::vector<HostCall>& calls, CursorDuringWait cursor) {
    std::vector<HostMessage> replies;
    for (const HostCall& call : calls) {
        std::optional<HostMessage> reply =
            usable_ ? ReadReply(call.request, GetTickCount64() + call.limitMs, cursor) : std::nullopt;
        if (!reply) {
            End();
            break;
        }
        replies.push_back(std::move(*reply));
    }
    return replies;
}

std::vector<HostMessage> PluginHostProcess::CallInTurn(const std::vector<HostCall>& calls, CursorDuringWait cursor) {
    if (!SendInTurn(calls, cursor)) {
        return {};
    }
    return ReceiveInTurn(calls, cursor);
}

std::optional<HostMessage> PluginHostProcess::Call(const HostMessage& request, uint32_t limitMs) {
    std::vector<HostMessage> replies = CallInTurn({{request, limitMs}}, CursorDuringWait::Shown);
    if (replies.empty()) {
        return std::nullopt;
    }
    return std::move(replies.front());
}

// The block is a committed section of the page file, made here and only written by the host: every
// page of it can be read, whatever the host does with it.
std::optional<std::string> PluginHostProcess::TakeSharedBlock(uint32_t size) {
    const UniqueKernelHandle mapping(
        CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE | SEC_COMMIT, 0, size, nullptr));
    HANDLE inHost = nullptr;
    if (!IsUsable() || !mapping ||
        !DuplicateHandle(GetCurrentProcess(), mapping.Get(), process_.Get(), &inHost, FILE_MAP_WRITE, FALSE, 0)) {
        return std::nullopt;
    }
    const SharedBlock block{static_cast<uint32_t>(reinterpret_cast<uintptr_t>(inHost)), size};
    const std::optional<HostMessage> reply =
        Call({kHostFillSharedBlock, 0, {EncodeSharedBlock(block)}}, kPluginDecodeLimitMs);
    const UniqueMappedView view(reply && ReadFillReply(*reply) == true
                                    ? MapViewOfFile(mapping.Get(), FILE_MAP_READ, 0, 0, size)
                                    : nullptr);
    if (!view) {
        return std::nullopt;
    }
    std::string file(static_cast<const char*>(view.Get()), size);
    if (!IsPluginBmpFile(file)) {
        return std::nullopt;
    }
    return file;
}

HostStart HostsAhead::Take(PeMachine machine) {
    if (next_.host && next_.host->Machine() == machine) {
        return std::exchange(next_, {});
    }
    return PluginHostProcess::Start(machine);
}

void HostsAhead::StartNext(PeMachine machine) {
    if (!next_.host && moreWanted_()) {
        next_ = PluginHostProcess::Start(machine);
    }
}

} // namespace pelaconf
