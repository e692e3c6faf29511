#pragma once
// The rules of the wallpaper browser that need no window: the labels and images of the tree's
// items, the path an item stands for, what a folder lists, where a double click applies the
// wallpaper, and the messages the page shows.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pelaconf {

class DriveSource;
class FileSystem;
struct SettingsRecord;

// The indexes of the tree's image list.
enum BrowserImage : int {
    kImageRoot = 0,
    kImageFixedDrive = 1,
    kImageCdRomDrive = 2,
    kImageRemovableDrive = 3,
    kImageFolderSelected = 4,
    kImageFolder = 5,
    kImageDesktop = 6,
    kImageDocuments = 7,
    kImageBmpFile = 8,
    kImageOtherFile = 9,
};
inline constexpr int kBrowserImageCount = 10;

inline constexpr char kBrowserRootLabel[] = "ローカルコンピュータ";
inline constexpr char kBrowserDesktopLabel[] = "デスクトップ";
inline constexpr char kBrowserDocumentsLabel[] = "マイドキュメント";
inline constexpr char kBrowserWallpaperFolderLabel[] = "壁紙フォルダ";
// The one child of an item not filled yet, which gives it an expand button.
inline constexpr char kPlaceholderLabel[] = "dummy";

inline constexpr char kBrowserHelpText[] = "画像ファイルを選択して\n"
                                           "ダブルクリックしたり\n"
                                           "上のボタンを押すと\n"
                                           "壁紙を変更できます。\n";
inline constexpr char kDriveNotReadySuffix[] = " にアクセスできません。\nデバイスの準備が出来ていません。";
inline constexpr char kNoImagesMessage[] = "画像ファイルが１つもありません。";
inline constexpr char kUnsupportedTypeMessage[] = "Susieプラグインは使用不可です。";
inline constexpr char kNoPluginMessage[] = "対応するプラグインが見つかりません。";
inline constexpr char kPluginLoadFailedMessage[] = "プラグインのロードに失敗しました。";
inline constexpr char kPreviewFailedMessage[] = "画像ファイルの表示に失敗しました。";
inline constexpr char kBrowserNoFileMessage[] = "指定した画像ファイルは存在しません。";
inline constexpr char kRunFailedSuffix[] = "\nこのファイルの実行に失敗しました。";
inline constexpr char kPathTooLongSuffix[] = "\nパスが長すぎるため開けません。";

// The drive number of a root path such as "C:\": 1 for A to 26 for Z, case ignored; 0 for any
// other text.
int DriveNumber(std::string_view rootPath);

// The system's drive types that the tree shows, as the system numbers them.
inline constexpr unsigned kDriveTypeRemovable = 2;
inline constexpr unsigned kDriveTypeFixed = 3;
inline constexpr unsigned kDriveTypeCdRom = 5;
// The image of a drive of the type; nothing for the types the tree leaves out (network drives,
// RAM disks, drives without a root folder, unknown types).
std::optional<int> DriveImage(unsigned driveType);

// A drive item of the tree.
struct BrowserDrive {
    std::string root;
    int number = 0; // 1 for A to 26 for Z
    int image = 0;
    std::string label;
    // Whether the label is a stand-in (the root) until the display name is asked away from the
    // window's thread.
    bool nameLater = false;
};

// The drives the tree shows, in the system's order: those with a drive letter and an image by
// their type, each left out before it is asked anything. Only fixed drives are asked their display
// names here, which is quick; a removable or CD-ROM drive may take seconds to answer, and is
// labelled with its root until its name is asked elsewhere.
std::vector<BrowserDrive> ListBrowserDrives(const DriveSource& drives);

// A drive item's label: its display name, or its root when it has none.
std::string DriveLabel(const std::string& displayName, const std::string& root);

// The three folders the top-level items without a drive stand for.
struct SpecialFolders {
    std::string desktop;
    std::string documents;
    std::string wallpaper;
};

// What an item tells about itself for its path: its label, its image and its drive number (0
// for items that are not drives).
struct BrowserItem {
    std::string label;
    int image = 0;
    int driveNumber = 0;
};

enum class PathUse {
    Expanding, // every part followed by "\": C:\photo\ .
    Selecting, // the parts joined by "\": C:\photo\a.jpg, and C: for the drive.
};
// A folder that ends with "\" already, such as the drive root D:\, is not given a second one.

// The path of an item from its top-level item down to itself (the root left out); nothing when
// the top-level item is neither a drive nor one of the special folders.
std::optional<std::string> ItemPath(std::span<const BrowserItem> fromTop, const SpecialFolders& folders, PathUse use);

// Paths the system can open hold fewer than 260 UTF-16 units, the terminating zero included.
bool PathFitsSystem(std::string_view path);

// A file item shows image 8 or selected image 9.
bool IsFileItem(int image, int selectedImage);

// One entry a folder lists in the tree.
struct BrowserEntry {
    std::string name;
    bool isFolder = false;
    int image = kImageFolder; // selected image: kImageFolderSelected for folders, the same for files
    bool expandable = false;  // a folder with something to list inside
};

// The order the tree lists names in: on Windows the system's compare without case that the tree's
// own sort uses, so that names appear as the system's folder windows show them.
class NameOrder {
public:
    virtual ~NameOrder() = default;
    // The indexes of the names in their sorted order; equal names keep the order they came in.
    virtual std::vector<size_t> Sorted(const std::vector<std::string>& names) const = 0;
};

// The entries of the folder (its path ends with "\") that the tree lists, folders and files
// together sorted by name in the order given: folders other than "RECYCLED" and files of a
// supported type, never "." and ".." nor entries with the system attribute.
std::vector<BrowserEntry> ListBrowsableEntries(const FileSystem& files, const SettingsRecord& settings,
                                               const std::string& folder, const NameOrder& order);

// A double click applies the wallpaper when the cursor (screen coordinates) lies on the selected
// item's label or up to 20 pixels left of it, which takes in its icon. The label rectangle is in
// the tree's client coordinates, placed by the tree's window rectangle.
struct ScreenBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
bool DoubleClickAppliesWallpaper(const ScreenBox& treeWindow, const ScreenBox& labelInTree, int cursorX, int cursorY);

} // namespace pelaconf
