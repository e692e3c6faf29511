#pragma once
// Pelaconf's side of a plug-in host: the process started for one Susie plug-in, the calls made to
// it, each with its time limit.

#include "susie/host_protocol.h"
#include "susie/pe_machine.h"
#include "win/handles.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pelaconf {

// One request and how long its reply may take.
struct HostCall {
    HostMessage request;
    uint32_t limitMs = 0;
};

enum class CursorDuringWait { Shown, NotShown };

class PluginHostProcess;

// A host started, or the file name of the host program that could not be.
struct HostStart {
    std::unique_ptr<PluginHostProcess> host;
    std::string hostNotStarted;
};

class PluginHostProcess {
public:
    // The host program for modules of the machine, started beside this program.
    static HostStart Start(PeMachine machine);
    ~PluginHostProcess();
    PluginHostProcess(const PluginHostProcess&) = delete;
    PluginHostProcess& operator=(const PluginHostProcess&) = delete;

    // The reply; empty when the host has ended, answers no well-formed reply or takes longer
    // than the limit. The host is ended then, and every later call fails at once.
    std::optional<HostMessage> Call(const HostMessage& request, uint32_t limitMs);
    // The calls' requests sent together, and their replies in order, each within its limit from
    // the reply before; a failed reply ends the host, and the replies before it are returned.
    // A long wait shows the wait cursor unless the caller shows it instead.
    std::vector<HostMessage> CallInTurn(const std::vector<HostCall>& calls, CursorDuringWait cursor);
    // CallInTurn in two halves, so that the caller can do other work while the host answers:
    // the requests sent (false ends the host), then the replies read.
    bool SendInTurn(const std::vector<HostCall>& calls, CursorDuringWait cursor);
    std::vector<HostMessage> ReceiveInTurn(const std::vector<HostCall>& calls, CursorDuringWait cursor);
    // The BMP file image of the size that a decode left waiting in the host, taken through a
    // shared block made here; empty when it cannot be had.
    std::optional<std::string> TakeSharedBlock(uint32_t size);
    // False once a call failed or the process has ended.
    bool IsUsable() const;
    // True once a call took longer than its limit.
    bool RanIntoLimit() const { return ranIntoLimit_; }

    PeMachine Machine() const { return machine_; }

private:
    PluginHostProcess(PeMachine machine, UniqueKernelHandle process, UniqueKernelHandle job, UniqueFileHandle pipe,
                      UniqueKernelHandle event);
    DWORD Transfer(bool writing, char* data, DWORD size, uint64_t deadline, CursorDuringWait cursor);
    bool WriteAll(std::string bytes, uint64_t deadline, CursorDuringWait cursor);
    bool Receive(uint64_t deadline, CursorDuringWait cursor);
    std::optional<HostMessage> ReadReply(const HostMessage& request, uint64_t deadline, CursorDuringWait cursor);
    void End();

    PeMachine machine_;
    UniqueKernelHandle process_;
    UniqueKernelHandle job_; // the host's own job, which ends it when closed; none where it could not join one
    UniqueFileHandle pipe_;
    UniqueKernelHandle event_; // signalled when an overlapped transfer on the pipe completes
    HostFrameReader received_; // read from the pipe, not yet taken as a reply
    bool usable_ = true;
    bool ranIntoLimit_ = false;
};

// Hosts for modules asked about one after another: the next host starts while the one before
// works, so that its start costs the caller no wait. A host serves one module and is never given
// back; starting processes ahead is the only saving.
class HostsAhead {
public:
    // moreWanted tells whether another host will be taken; none is started ahead otherwise.
    explicit HostsAhead(std::function<bool()> moreWanted) : moreWanted_(std::move(moreWanted)) {}

    // A host of the machine: the one started ahead when it is of that machine, else one started now.
    HostStart Take(PeMachine machine);
    // Starts a host of the machine for a later Take, unless one is waiting or none is wanted.
    void StartNext(PeMachine machine);

private:
    std::function<bool()> moreWanted_;
    HostStart next_;
};

} // namespace pelaconf
