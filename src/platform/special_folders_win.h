#pragma once
// The system's special folders (desktop, documents) by their CSIDL numbers.

#include <string>

namespace pelaconf {

// The folder's path, or empty when the system has none for it.
std::string SpecialFolderPath(int folderId);

} // namespace pelaconf
