#pragma once
// How long each call into a plug-in host may take before the host is ended and the call fails, and
// how much memory a host may take.
// A plug-in's information texts, IsSupported, loading and unloading take milliseconds; a decode
// of a 30-megapixel picture by a slow plug-in on an old machine takes seconds, so its limit
// leaves a wide margin: only a plug-in that hangs reaches it.

#include "susie/host_reply.h"

#include <cstddef>
#include <cstdint>

namespace pelaconf {

constexpr uint32_t kPluginLoadLimitMs = 10'000; // LoadLibrary with the module's DllMain
constexpr uint32_t kPluginFreeLimitMs = 5'000;
constexpr uint32_t kPluginQueryLimitMs = 5'000;       // the four GetPluginInfo calls
constexpr uint32_t kPluginIsSupportedLimitMs = 5'000; // IsSupported on the opened file
constexpr uint32_t kPluginDecodeLimitMs = 60'000;     // GetPreview or GetPicture, and the BMP file image
// How long a call may run before the wait cursor shows.
constexpr uint32_t kPluginWaitCursorAfterMs = 200;

// What a host may commit. A decode of the largest picture a plug-in may give holds it up to three
// times at once (the plug-in's pixel block, the BMP file image made of it and the shared block it
// is handed over in), and the plug-in needs room of its own beside that, for the file it reads and
// its working buffers: four times the largest BMP file image. A runaway decoder is stopped there
// rather than exhausting the machine.
constexpr size_t kPluginHostMemoryLimit = size_t{4} * kMaxPluginBmpFile;

} // namespace pelaconf
