#include "pages/wallpaper_folder_page.h"

#include "platform/file_system.h"
#include "settings/code_page.h"
#include "settings/settings_record.h"
#include "settings/string_helpers.h"

namespace pelaconf {

std::string_view WallpaperFolderHelpText() {
    return "壁紙フォルダパスを入力して下さい。\n"
           "本アプリケーションはこの「壁紙フォルダパス」を基底として\n"
           "壁紙とする画像ファイルを選出します。\n"
           "通常は画像ファイルを保存したフォルダパスを入力して下さい。\n"
           "\n"
           "「下層フォルダも対象」チェックボックスにチェックを入れた場合、\n"
           "「壁紙フォルダパス」以下に存在する全てのサブフォルダ内の\n"
           "画像ファイルを壁紙変更の対象とします。\n";
}

void WallpaperFolderModel::Load(const SettingsRecord& record) {
    path = record.Wall_Dir_Path;
    includeSubfolders = record.Wall_Dir_Saike_Use;
}

void WallpaperFolderModel::Store(SettingsRecord& record) const {
    record.Wall_Dir_Path = path;
    record.Wall_Dir_Saike_Use = includeSubfolders;
}

FolderCheck WallpaperFolderModel::Validate(const FileSystem& files) const {
    if (!FileExists(files, path)) {
        return FolderCheck::Missing;
    }
    return FitsShiftJis(path) ? FolderCheck::Valid : FolderCheck::NotStorable;
}

bool WallpaperFolderModel::ChooseFolder(std::string_view chosen) { return TakeChosenPath(path, chosen); }

} // namespace pelaconf
