#include "desktop/wallpaper_browser.h"

#include "image/decoding_order.h"
#include "platform/drives.h"
#include "platform/file_system.h"
#include "settings/string_helpers.h"

#include <utility>

namespace pelaconf {
namespace {

constexpr char kDriveLetters[] = "-ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr size_t kSystemPathUnits = 260; // MAX_PATH, the terminating zero included

bool IsDotEntry(std::string_view name) { return name == "." || name == ".."; }

// The part a top-level item adds to the path: a drive or one of the special folders. A special
// folder that is not known (an empty wallpaper folder field) gives none, rather than the root of
// the current drive that "\" would name.
std::optional<std::string> TopLevelPart(const BrowserItem& item, const SpecialFolders& folders) {
    if (item.driveNumber >= 1 && item.driveNumber <= 26) {
        return std::string(1, kDriveLetters[item.driveNumber]) + ":";
    }
    const std::string* folder = item.image == kImageFolder      ? &folders.wallpaper
                                : item.image == kImageDesktop   ? &folders.desktop
                                : item.image == kImageDocuments ? &folders.documents
                                                                : nullptr;
    if (folder == nullptr || folder->empty()) {
        return std::nullopt;
    }
    return *folder;
}

bool IsSupportedFile(const SettingsRecord& settings, std::string_view name) {
    return IsSupportedExtension(settings, GetExtension(name)) != 0;
}

// Whether a folder holds anything the tree would list: a folder or an image file. The listing stops
// at the first such entry, which matters in folders of thousands of entries.
bool HoldsBrowsableEntry(const FileSystem& files, const SettingsRecord& settings, const std::string& folder) {
    if (!PathFitsSystem(folder + "\\*")) {
        return false;
    }
    bool found = false;
    files.VisitFolder(folder + "\\*", [&](const FolderEntry& entry) {
        found = !IsDotEntry(entry.name) && (entry.isFolder || IsSupportedFile(settings, entry.name));
        return !found;
    });
    return found;
}

// The path with a part added after a backslash, which a path that ends with one (a drive root such
// as D:\) already has.
std::string Joined(std::string path, std::string_view part) {
    if (path.empty() || path.back() != '\\') {
        path += '\\';
    }
    path += part;
    return path;
}

std::vector<BrowserEntry> SortedByName(std::vector<BrowserEntry> entries, const NameOrder& order) {
    std::vector<std::string> names;
    names.reserve(entries.size());
    for (const BrowserEntry& entry : entries) {
        names.push_back(entry.name);
    }
    std::vector<BrowserEntry> sorted;
    sorted.reserve(entries.size());
    for (const size_t index : order.Sorted(names)) {
        sorted.push_back(std::move(entries[index]));
    }
    return sorted;
}

} // namespace

int DriveNumber(std::string_view rootPath) {
    if (rootPath.size() != 3 || rootPath[1] != ':' || rootPath[2] != '\\') {
        return 0;
    }
    const char letter = AsciiLower(rootPath.substr(0, 1))[0];
    return letter >= 'a' && letter <= 'z' ? letter - 'a' + 1 : 0;
}

std::optional<int> DriveImage(unsigned driveType) {
    switch (driveType) {
    case kDriveTypeRemovable: return kImageRemovableDrive;
    case kDriveTypeFixed: return kImageFixedDrive;
    case kDriveTypeCdRom: return kImageCdRomDrive;
    default: return std::nullopt;
    }
}

std::vector<BrowserDrive> ListBrowserDrives(const DriveSource& drives) {
    std::vector<BrowserDrive> shown;
    for (const SystemDrive& drive : drives.Drives()) {
        const int number = DriveNumber(drive.root);
        const std::optional<int> image = DriveImage(drive.type);
        if (number == 0 || !image) {
            continue;
        }
        const bool nameLater = drive.type != kDriveTypeFixed;
        const std::string label = nameLater ? drive.root : DriveLabel(drives.DisplayName(drive.root), drive.root);
        shown.push_back({drive.root, number, *image, label, nameLater});
    }
    return shown;
}

std::string DriveLabel(const std::string& displayName, const std::string& root) {
    return displayName.empty() ? root : displayName;
}

std::optional<std::string> ItemPath(std::span<const BrowserItem> fromTop, const SpecialFolders& folders, PathUse use) {
    if (fromTop.empty()) {
        return std::nullopt;
    }
    const auto top = TopLevelPart(fromTop.front(), folders);
    if (!top) {
        return std::nullopt;
    }
    std::string path = *top;
    for (const BrowserItem& item : fromTop.subspan(1)) {
        path = Joined(std::move(path), item.label);
    }
    return use == PathUse::Expanding ? Joined(std::move(path), "") : path;
}

bool PathFitsSystem(std::string_view path) {
    size_t units = 0;
    for (const char byte : path) {
        const auto b = static_cast<unsigned char>(byte);
        if ((b & 0xC0) != 0x80) {       // a lead byte starts a character
            units += b >= 0xF0 ? 2 : 1; // four-byte characters take a surrogate pair
        }
    }
    return units < kSystemPathUnits;
}

bool IsFileItem(int image, int selectedImage) { return image == kImageBmpFile || selectedImage == kImageOtherFile; }

std::vector<BrowserEntry> ListBrowsableEntries(const FileSystem& files, const SettingsRecord& settings,
                                               const std::string& folder, const NameOrder& order) {
    std::vector<BrowserEntry> listed;
    for (const FolderEntry& entry : files.ListFolder(folder + "*")) {
        if (IsDotEntry(entry.name) || entry.isSystem) {
            continue;
        }
        if (entry.isFolder) {
            if (!EqualNoCase(entry.name, "RECYCLED")) {
                listed.push_back(
                    {entry.name, true, kImageFolder, HoldsBrowsableEntry(files, settings, folder + entry.name)});
            }
        } else if (IsSupportedFile(settings, entry.name)) {
            const int image = EqualNoCase(GetExtension(entry.name), "bmp") ? kImageBmpFile : kImageOtherFile;
            listed.push_back({entry.name, false, image, false});
        }
    }
    return SortedByName(std::move(listed), order);
}

bool DoubleClickAppliesWallpaper(const ScreenBox& treeWindow, const ScreenBox& labelInTree, int cursorX, int cursorY) {
    constexpr int kIconReach = 20;
    return treeWindow.left + labelInTree.left - kIconReach < cursorX && cursorX < treeWindow.left + labelInTree.right &&
           treeWindow.top + labelInTree.top < cursorY && cursorY < treeWindow.top + labelInTree.bottom;
}

} // namespace pelaconf
