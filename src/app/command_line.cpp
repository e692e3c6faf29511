#include "app/command_line.h"

namespace pelaconf {

std::optional<std::string> FindImagePath(const std::vector<std::string>& arguments) {
    for (const auto& argument : arguments) {
        // An empty argument leaves the path empty, so a later argument still fills it.
        const bool isSwitch = !argument.empty() && (argument.front() == '/' || argument.front() == '-');
        if (!isSwitch && !argument.empty()) {
            return argument;
        }
    }
    return std::nullopt;
}

} // namespace pelaconf
