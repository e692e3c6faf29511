#pragma once
// What a plug-in host is told on its command line: the handle value of the pipe end it inherited
// and the handle value of Pelaconf's process, whose end is its own (Pelaconf always gives it;
// without it a host only serves). Its standard handles are not the pipe, so whatever a plug-in prints or reads there never
// reaches the protocol. Pure: text in, values out.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pelaconf {

struct HostHandles {
    uint64_t pipe = 0;
    std::optional<uint64_t> parent;

    bool operator==(const HostHandles&) const = default;
};

// "/pipe:N" and, with a parent, " /parent:N"; N in decimal.
std::string FormatHostArguments(const HostHandles& handles);
// The handles the arguments name; empty unless they are exactly what FormatHostArguments gives,
// with handle values other than 0.
std::optional<HostHandles> ParseHostArguments(std::string_view arguments);

} // namespace pelaconf
