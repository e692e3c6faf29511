#include "pages/wallpaper_folder_page_win.h"

#include "platform/message_boxes.h"
#include "ui/folder_browser.h"

namespace pelaconf {

WallpaperFolderPage::WallpaperFolderPage(SettingsRecord& record, const FileSystem& files, MessageBoxes& messages)
    : ModelPage(IDD_WALLPAPER_FOLDER, record, WallpaperFolderHelpText()), files_(files), messages_(messages) {}

// Any change of the path text marks the page, also the page's own loading: a stored path is
// offered for saving again.
void WallpaperFolderPage::ShowModel() {
    if (GetItemText(Window(), IDC_FOLDER_PATH) != model_.path) {
        SetItemText(Window(), IDC_FOLDER_PATH, model_.path);
        SetModified(true);
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
        SetModified(true);
        return true;
    }
    return ModelPage::OnCommand(id, notifyCode, control);
}

bool WallpaperFolderPage::OnButtonClicked(int id) {
    if (id == IDC_FOLDER_SUBFOLDERS) {
        SetModified(true);
        return true;
    }
    if (id == IDC_FOLDER_BROWSE) {
        BrowseForFolder();
        return true;
    }
    return false;
}

void WallpaperFolderPage::BrowseForFolder() {
    ReadControls();
    const FolderChoice choice = pelaconf::BrowseForFolder(Window(), kFolderBrowserTitle, model_.path);
    if (choice.result == FolderBrowserResult::Unavailable) {
        messages_.Show(kFolderBrowserFailedMessage, MessageKind::Error);
    } else if (choice.result == FolderBrowserResult::Chosen && model_.ChooseFolder(choice.path)) {
        SetItemText(Window(), IDC_FOLDER_PATH, model_.path);
        SetModified(true);
    }
}

} // namespace pelaconf
