#pragma once
// The program's command line: an optional image path; switches are ignored.

#include <optional>
#include <string>
#include <vector>

namespace pelaconf {

// The first argument that is neither a switch (beginning with "/" or "-") nor empty; the
// program's own name is not among the arguments.
std::optional<std::string> FindImagePath(const std::vector<std::string>& arguments);

} // namespace pelaconf
