#pragma once
// The plug-in host's side: one loaded Susie plug-in module and the answers to the requests of
// the host messages. In the host program a faulting or hanging plug-in takes only that process
// down; the benchmark of the in-process decode uses the same answers without the pipe.

#include "susie/host_protocol.h"
#include "susie/plugin_function_types_win.h"
#include "win/handles.h"

#include <windows.h>

#include <string>
#include <vector>

namespace pelaconf {

struct PluginExports {
    IsSupportedFunction isSupported = nullptr;
    GetPictureFunction getPicture = nullptr;
    GetPictureFunction getPreview = nullptr;
};

class PluginHost {
public:
    // The reply to a request (see host_protocol.h).
    HostMessage Answer(const HostMessage& request);

private:
    static HostMessage Reply(int value, std::vector<std::string> fields = {});
    int Load(const std::string& path);
    int Free();
    HostMessage Query() const;
    PluginExports Exports() const;
    bool IsSupported(const std::string& path) const;
    HostMessage Decode(const std::string& path, int pictureMode) const;

    UniqueModule module_;
};

// Answers requests read from input on output until the pipe closes or a request is malformed;
// the exit code of the host.
int ServePluginRequests(HANDLE input, HANDLE output);

} // namespace pelaconf
