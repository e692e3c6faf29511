#pragma once
// The wallpaper folder page's values: the folder Pelavine takes its images from, and whether
// its subfolders count too.

#include <string>
#include <string_view>

namespace pelaconf {

class FileSystem;
struct SettingsRecord;

inline constexpr char kWallpaperFolderMissingMessage[] = "壁紙フォルダは存在しません";
inline constexpr char kWallpaperFolderNotStorableMessage[] =
    "壁紙フォルダパスに設定ファイルへ保存できない文字が含まれています。\n"
    "Shift-JISで表せる文字だけのフォルダを指定して下さい。";
inline constexpr char kFolderBrowserFailedMessage[] = "壁紙フォルダ選択ダイアログの表示に失敗しました";
inline constexpr char kFolderBrowserTitle[] = "壁紙フォルダを選択して下さい";

std::string_view WallpaperFolderHelpText();

enum class FolderCheck { Valid, Missing, NotStorable };

struct WallpaperFolderModel {
    std::string path;
    int includeSubfolders = 0;

    void Load(const SettingsRecord& record);
    void Store(SettingsRecord& record) const;
    // The path must name an existing file or folder, and be text the settings file can hold.
    FolderCheck Validate(const FileSystem& files) const;
    // The folder chosen in the folder browser replaces the path unless it is the same path in
    // other letter case; true when the path changed.
    bool ChooseFolder(std::string_view chosen);
};

} // namespace pelaconf
