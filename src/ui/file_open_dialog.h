#pragma once
// The system's file-open dialog for one existing file.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace pelaconf {

// The filter is written as "name|pattern|name|pattern||", its first entry selected; the dialog
// opens in `initialFolder` and hides the read-only box. The chosen file's full path, or nothing
// when the user cancels.
std::optional<std::string> ChooseFileToOpen(HWND owner, std::string_view title, std::string_view filter,
                                            std::string_view initialFolder);

} // namespace pelaconf
