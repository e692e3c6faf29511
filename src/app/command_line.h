#pragma once
// The program's command line: an optional image path; switches are ignored.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelaconf {

// The first argument that is neither a switch (beginning with "/" or "-") nor empty; the
// program's own name is not among the arguments.
std::optional<std::string> FindImagePath(const std::vector<std::string>& arguments);

// Whether the command line holds anything after the program's name, read as the system splits a
// command line: up to the closing quote when the line starts with one, else up to the first space
// or tab. Only then is the line worth splitting into arguments.
bool HasArgumentsAfterProgramName(std::wstring_view commandLine);

} // namespace pelaconf
