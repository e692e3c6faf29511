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

bool HasArgumentsAfterProgramName(std::wstring_view commandLine) {
    size_t end = 0;
    if (!commandLine.empty() && commandLine.front() == L'"') {
        end = commandLine.find(L'"', 1);
        end = end == std::wstring_view::npos ? commandLine.size() : end + 1;
    } else {
        end = commandLine.find_first_of(L" \t");
        end = end == std::wstring_view::npos ? commandLine.size() : end;
    }
    return commandLine.find_first_not_of(L" \t", end) != std::wstring_view::npos;
}

} // namespace pelaconf
