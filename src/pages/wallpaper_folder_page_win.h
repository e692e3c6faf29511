#pragma once
// The wallpaper folder page: the folder path, its folder browser and the subfolder box.

#include "pages/wallpaper_folder_page.h"
#include "ui/page_dialog.h"

namespace pelaconf {

class WallpaperFolderPage : public PageDialog {
public:
    WallpaperFolderPage(SettingsRecord& record, const FileSystem& files, MessageBoxes& messages);

    bool Validate() override;
    void Store() override;
    void Reload() override;

protected:
    bool OnInit() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;

private:
    void ReadControls();
    void BrowseForFolder();

    SettingsRecord& record_;
    const FileSystem& files_;
    MessageBoxes& messages_;
    WallpaperFolderModel model_;
};

} // namespace pelaconf
