#pragma once
// Pelaconf's side of a plug-in host: the process started for one Susie plug-in, the calls made to
// it, each with its time limit, and the hosts started ahead for the next module to load.

#include "susie/host_protocol.h"
#include "susie/pe_machine.h"
#include "win/handles.h"

#include <cstdint>
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

enum class WaitCursor { Shown, NotShown };

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
    std::vector<HostMessage> CallInTurn(const std::vector<HostCall>& calls, WaitCursor cursor);
    // The BMP file image of a shared block the host filled; empty when it cannot be read, which
    // ends the host.
    std::optional<std::string> TakeSharedBlock(const SharedBlock& block);
    // False once a call failed or the process has ended.
    bool IsUsable() const;
    // True once it has been asked anything: it may then hold a module, or what a module left.
    bool WasAsked() const { return asked_; }
    PeMachine Machine() const { return machine_; }

private:
    PluginHostProcess(PeMachine machine, UniqueKernelHandle process, UniqueFileHandle pipe, UniqueKernelHandle event);
    DWORD Transfer(bool writing, char* data, DWORD size, uint64_t deadline, WaitCursor cursor);
    bool WriteAll(std::string bytes, uint64_t deadline, WaitCursor cursor);
    bool Receive(uint64_t deadline, WaitCursor cursor);
    std::optional<HostMessage> ReadReply(const HostMessage& request, uint64_t deadline, WaitCursor cursor);
    void End();

    PeMachine machine_;
    UniqueKernelHandle process_;
    UniqueFileHandle pipe_;
    UniqueKernelHandle event_; // signalled when an overlapped transfer on the pipe completes
    HostFrameReader received_; // read from the pipe, not yet taken as a reply
    bool usable_ = true;
    bool asked_ = false;
};

// A host serves one module and is then ended: whatever a plug-in leaves behind (threads, a changed
// current folder or FPU state, a damaged heap) never meets another. Hosts are started ahead
// instead, so that the next module does not wait for one. All three may be called from any thread.
// A started host for the machine from those waiting, or null when none is.
std::unique_ptr<PluginHostProcess> TakeIdleHost(PeMachine machine);
// Keeps a host that was never asked anything for the next module; ends any other, and any beyond
// the few kept.
void KeepIdleHost(std::unique_ptr<PluginHostProcess> host);
// Starts a host for the machine ahead of its use when none is waiting; a host that cannot be
// started now is left to the next module to report.
void PrepareIdleHost(PeMachine machine);

} // namespace pelaconf
