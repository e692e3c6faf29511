#include "app/command_line.h"

namespace pelaconf {

std::optional<std::string> FindImagePath(const std::vector<std::string>& arguments) {
    for (const auto& argument : arguments) {
        const bool isSwitch = !argument.empty() && (argument.front() == '/' || argument.front() == '-');
        if (!isSwitch) {
            return argument;
        }
    }
    return std::nullopt;
}

} // namespace pelaconf
