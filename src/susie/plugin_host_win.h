#pragma once
// The plug-in host's side: one loaded Susie plug-in module and the answers to the requests of
// the host messages. A faulting or hanging plug-in takes only this process down.

#include "susie/host_protocol.h"

#include <windows.h>

namespace pelaconf {

// Answers requests read from input on output until the pipe closes or a request is malformed;
// the exit code of the host.
int ServePluginRequests(HANDLE input, HANDLE output);

} // namespace pelaconf
