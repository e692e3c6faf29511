#include "pages/wallpaper_folder_page_win.h"

#include "platform/message_boxes.h"
#include "ui/folder_browser.h"

namespace pelaconf {
namespace {

std::string_view RefusalText(FolderCheck check) {
    switch (check) {
    case FolderCheck::Missing: return kWallpaperFolderMissingMessage;
    case FolderCheck::NotStorable: return kWallpaperFolderNotStorableMessage;
    case FolderCheck::Valid: break;
    }
    return {};
}

} // namespace

WallpaperFolderPage::WallpaperFolderPage(SettingsRecord& record, const FileSystem& files, MessageBoxes& messages)
    : ModelPage(IDD_WALLPAPER_FOLDER, record, WallpaperFolderHelpText(),
                {
                    BindEditText(IDC_FOLDER_PATH, &WallpaperFolderModel::path).FilledByLoadingCounts(),
                    BindCheckBox(IDC_FOLDER_SUBFOLDERS, &WallpaperFolderModel::includeSubfolders),
                }),
      files_(files), messages_(messages) {}

std::string WallpaperFolderPage::CurrentPath() const { return GetItemText(Window(), IDC_FOLDER_PATH); }

bool WallpaperFolderPage::ModelIsValid() { return PassesCheck(messages_, RefusalText(model_.Validate(files_))); }

bool WallpaperFolderPage::OnButtonClicked(int id) {
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
        ShowBound(IDC_FOLDER_PATH);
    }
}

} // namespace pelaconf
