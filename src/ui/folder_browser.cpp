#include "ui/folder_browser.h"

#include "win/wide_text.h"

#include <shlobj.h>
#include <wrl/client.h>

namespace pelaconf {
namespace {

// Preselects the folder whose path the browser was given once the browser is ready.
int CALLBACK PreselectFolder(HWND browser, UINT message, LPARAM, LPARAM path) {
    if (message == BFFM_INITIALIZED && *reinterpret_cast<const wchar_t*>(path) != L'\0') {
        SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, path);
    }
    return 0;
}

} // namespace

FolderChoice BrowseForFolder(HWND owner, std::string_view title, std::string_view current, UINT extraFlags) {
    Microsoft::WRL::ComPtr<IMalloc> allocator;
    if (FAILED(SHGetMalloc(allocator.GetAddressOf()))) {
        return {FolderBrowserResult::Unavailable, {}};
    }
    const std::wstring wideCurrent = Utf8ToWide(current);
    const std::wstring wideTitle = Utf8ToWide(title);
    BROWSEINFOW browse{};
    browse.hwndOwner = owner;
    browse.lpszTitle = wideTitle.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | extraFlags;
    browse.lpfn = PreselectFolder;
    browse.lParam = reinterpret_cast<LPARAM>(wideCurrent.c_str());
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
    if (chosen == nullptr) {
        return {};
    }
    FolderChoice choice;
    wchar_t path[MAX_PATH] = {};
    if (SHGetPathFromIDListW(chosen, path)) {
        choice = {FolderBrowserResult::Chosen, WideToUtf8(path)};
    }
    allocator->Free(chosen);
    return choice;
}

} // namespace pelaconf
