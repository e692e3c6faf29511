#include "desktop/wallpaper_browser.h"

#include "image/decoding_order.h"
#include "platform/file_system.h"
#include "settings/string_helpers.h"

#include <algorithm>
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

// Whether a folder holds anything the tree would list: a folder or an image file.
bool HoldsBrowsableEntry(const FileSystem& files, const SettingsRecord& settings, const std::string& folder) {
    if (!PathFitsSystem(folder + "\\*")) {
        return false;
    }
    for (const FolderEntry& entry : files.ListFolder(folder + "\\*")) {
        if (!IsDotEntry(entry.name) && (entry.isFolder || IsSupportedFile(settings, entry.name))) {
            return true;
        }
    }
    return false;
}

// Sorts with each name converted once rather than at every comparison.
void SortByNameNoCase(std::vector<BrowserEntry>& entries) {
    std::vector<std::pair<std::string, BrowserEntry>> keyed;
    keyed.reserve(entries.size());
    for (BrowserEntry& entry : entries) {
        keyed.emplace_back(NoCaseKey(entry.name), std::move(entry));
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < keyed.size(); ++i) {
        entries[i] = std::move(keyed[i].second);
    }
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

std::optional<std::string> ItemPath(std::span<const BrowserItem> fromTop, const SpecialFolders& folders, PathUse use) {
    if (fromTop.empty()) {
        return std::nullopt;
    }
    const auto top = TopLevelPart(fromTop.front(), folders);
    if (!top) {
        return std::nullopt;
    }
    const char* separator = use == PathUse::Expanding ? "\\" : "";
    std::string path = *top + separator;
    for (const BrowserItem& item : fromTop.subspan(1)) {
        if (use == PathUse::Selecting) {
            path += "\\";
        }
        path += item.label + separator;
    }
    return path;
}

bool PathFitsSystem(std::string_view path) {
    size_t units = 0;
    for (const char byte : path) {
        const auto b = static_cast<unsigned char>(byte);
        if ((b & 0xC0) != 0x80) { // a lead byte starts a character
            units += b >= 0xF0 ? 2 : 1; // four-byte characters take a surrogate pair
        }
    }
    return units < kSystemPathUnits;
}

bool IsFileItem(int image, int selectedImage) { return image == kImageBmpFile || selectedImage == kImageOtherFile; }

std::vector<BrowserEntry> ListBrowsableEntries(const FileSystem& files, const SettingsRecord& settings,
                                               const std::string& folder) {
    std::vector<BrowserEntry> listed;
    for (const FolderEntry& entry : files.ListFolder(folder + "*")) {
        if (IsDotEntry(entry.name) || entry.isSystem) {
            continue;
        }
        if (entry.isFolder) {
            if (!EqualNoCase(entry.name, "RECYCLED")) {
                listed.push_back({entry.name, true, kImageFolder, HoldsBrowsableEntry(files, settings, folder + entry.name)});
            }
        } else if (IsSupportedFile(settings, entry.name)) {
            const int image = EqualNoCase(GetExtension(entry.name), "bmp") ? kImageBmpFile : kImageOtherFile;
            listed.push_back({entry.name, false, image, false});
        }
    }
    SortByNameNoCase(listed);
    return listed;
}

bool DoubleClickAppliesWallpaper(const ScreenBox& treeWindow, const ScreenBox& labelInTree, int cursorX, int cursorY) {
    constexpr int kIconReach = 20;
    return treeWindow.left + labelInTree.left - kIconReach < cursorX && cursorX < treeWindow.left + labelInTree.right &&
           treeWindow.top + labelInTree.top < cursorY && cursorY < treeWindow.top + labelInTree.bottom;
}

} // namespace pelaconf
