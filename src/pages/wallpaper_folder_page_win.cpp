#include "pages/wallpaper_folder_page_win.h"

#include "platform/message_boxes.h"
#include "win/handles.h"
#include "win/wide_text.h"

#include <shlobj.h>

namespace pelaconf {
namespace {

// Preselects the folder whose path the browser was given once the browser is ready.
int CALLBACK PreselectFolder(HWND browser, UINT message, LPARAM, LPARAM path) {
    if (message == BFFM_INITIALIZED) {
        SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, path);
    }
    return 0;
}

} // namespace

WallpaperFolderPage::WallpaperFolderPage(SettingsRecord& record, const FileSystem& files, MessageBoxes& messages)
    : ModelPage(IDD_WALLPAPER_FOLDER, record, WallpaperFolderHelpText()), files_(files), messages_(messages) {}

// Any change of the path text marks the page, also the page's own loading: a stored path is
// offered for saving again.
void WallpaperFolderPage::ShowModel() {
    if (GetItemText(Window(), IDC_FOLDER_PATH) != model_.path) {
        SetItemText(Window(), IDC_FOLDER_PATH, model_.path);
        SetModified(1);
    }
    SetCheckBox(Window(), IDC_FOLDER_SUBFOLDERS, model_.includeSubfolders);
}

void WallpaperFolderPage::ReadControls() {
    model_.path = GetItemText(Window(), IDC_FOLDER_PATH);
    model_.includeSubfolders = GetCheckBox(Window(), IDC_FOLDER_SUBFOLDERS);
}

std::string WallpaperFolderPage::CurrentPath() const { return GetItemText(Window(), IDC_FOLDER_PATH); }

bool WallpaperFolderPage::ModelIsValid() { return model_.Validate(files_, messages_); }

bool WallpaperFolderPage::OnCommand(int id, int notifyCode, HWND control) {
    if (id == IDC_FOLDER_PATH && notifyCode == EN_CHANGE) {
        SetModified(1);
        return true;
    }
    if (id == IDC_FOLDER_SUBFOLDERS && notifyCode == BN_CLICKED) {
        SetModified(1);
        return true;
    }
    if (id == IDC_FOLDER_BROWSE && notifyCode == BN_CLICKED) {
        BrowseForFolder();
        return true;
    }
    return ModelPage::OnCommand(id, notifyCode, control);
}

void WallpaperFolderPage::BrowseForFolder() {
    ComPointer<IMalloc> allocator;
    if (FAILED(SHGetMalloc(allocator.Receive()))) {
        messages_.Show(kFolderBrowserFailedMessage, MessageKind::Error);
        return;
    }
    ReadControls();
    const std::wstring current = Utf8ToWide(model_.path);
    const std::wstring title = Utf8ToWide(kFolderBrowserTitle);
    BROWSEINFOW browse{};
    browse.hwndOwner = Window();
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    browse.lpfn = PreselectFolder;
    browse.lParam = reinterpret_cast<LPARAM>(current.c_str());
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
    if (chosen == nullptr) {
        return;
    }
    wchar_t path[MAX_PATH] = {};
    if (SHGetPathFromIDListW(chosen, path) && model_.ChooseFolder(WideToUtf8(path))) {
        SetItemText(Window(), IDC_FOLDER_PATH, model_.path);
        SetModified(1);
    }
    allocator->Free(chosen);
}

} // namespace pelaconf
