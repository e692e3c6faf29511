#pragma once
// The shell's folder browser, rooted at the desktop, opened on the folder the user has entered.

#include <windows.h>

#include <string>
#include <string_view>

namespace pelaconf {

enum class FolderBrowserResult {
    Unavailable, // the shell's allocator could not be had; the browser was not shown
    Cancelled,   // no folder chosen, or its path could not be obtained
    Chosen,
};

struct FolderChoice {
    FolderBrowserResult result = FolderBrowserResult::Cancelled;
    std::string path; // the chosen folder when result is Chosen
};

// Shows the browser owned by `owner` with the title, preselecting `current` (nothing when empty),
// and returns the chosen file-system folder. `extraFlags` add to BIF_RETURNONLYFSDIRS.
FolderChoice BrowseForFolder(HWND owner, std::string_view title, std::string_view current, UINT extraFlags = 0);

} // namespace pelaconf
