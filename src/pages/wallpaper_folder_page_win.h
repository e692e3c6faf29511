#pragma once
// The wallpaper folder page: the folder path, its folder browser and the subfolder box.

#include "pages/model_page_win.h"
#include "pages/wallpaper_folder_page.h"

namespace pelaconf {

class FileSystem;
class MessageBoxes;

class WallpaperFolderPage : public ModelPage<WallpaperFolderModel> {
public:
    WallpaperFolderPage(SettingsRecord& record, const FileSystem& files, MessageBoxes& messages);

    // The path field as it is now, saved or not.
    std::string CurrentPath() const;

protected:
    bool ModelIsValid() override;
    bool OnButtonClicked(int id) override;

private:
    void BrowseForFolder();

    const FileSystem& files_;
    MessageBoxes& messages_;
};

} // namespace pelaconf
