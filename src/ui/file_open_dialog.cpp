#include "ui/file_open_dialog.h"

#include "win/wide_text.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace pelaconf {

std::optional<std::string> ChooseFileToOpen(HWND owner, std::string_view title, std::string_view filter,
                                            std::string_view initialFolder) {
    // The dialog reads its filter as strings ended by NUL, the last one by two.
    std::wstring filterList = Utf8ToWide(filter);
    std::replace(filterList.begin(), filterList.end(), L'|', L'\0');
    const std::wstring titleText = Utf8ToWide(title);
    const std::wstring folder = Utf8ToWide(initialFolder);
    // Room for a long path; the dialog reports a longer choice as a failure.
    std::vector<wchar_t> chosen(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filterList.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = chosen.data();
    dialog.nMaxFile = static_cast<DWORD>(chosen.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = titleText.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameW(&dialog)) {
        return std::nullopt;
    }
    return WideToUtf8(chosen.data());
}

} // namespace pelaconf
