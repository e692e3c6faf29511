#include "susie/host_command_line.h"

#include <charconv>

namespace pelaconf {
namespace {

constexpr std::string_view kPipeSwitch = "/pipe:";
constexpr std::string_view kParentSwitch = "/parent:";

// The non-zero decimal handle value after the switch at the start of the text, and the text after
// it; empty when the text does not start so.
std::optional<uint64_t> TakeHandle(std::string_view& text, std::string_view name) {
    if (!text.starts_with(name)) {
        return std::nullopt;
    }
    text.remove_prefix(name.size());
    uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data() || value == 0) {
        return std::nullopt;
    }
    text.remove_prefix(static_cast<size_t>(end - text.data()));
    return value;
}

} // namespace

std::string FormatHostArguments(const HostHandles& handles) {
    std::string arguments = std::string(kPipeSwitch) + std::to_string(handles.pipe);
    if (handles.parent) {
        arguments += " " + std::string(kParentSwitch) + std::to_string(*handles.parent);
    }
    return arguments;
}

std::optional<HostHandles> ParseHostArguments(std::string_view arguments) {
    HostHandles handles;
    const std::optional<uint64_t> pipe = TakeHandle(arguments, kPipeSwitch);
    if (!pipe) {
        return std::nullopt;
    }
    handles.pipe = *pipe;
    if (arguments.starts_with(' ')) {
        arguments.remove_prefix(1);
        handles.parent = TakeHandle(arguments, kParentSwitch);
        if (!handles.parent) {
            return std::nullopt;
        }
    }
    if (!arguments.empty()) {
        return std::nullopt;
    }
    return handles;
}

} // namespace pelaconf
