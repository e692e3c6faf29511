#pragma once
// The file operations the core needs, behind an interface so that the rules can be tested natively.
// Paths are UTF-8 with Windows separators.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelaconf {

struct FolderEntry {
    std::string name; // the file name alone
    bool isFolder = false;
    bool isSystem = false; // the system attribute: entries the system keeps for itself
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // True for existing files and folders alike.
    virtual bool PathExists(const std::string& path) const = 0;
    // The whole content, or empty when the file cannot be opened or read.
    virtual std::optional<std::string> ReadWholeFile(const std::string& path) const = 0;
    // Writes the content beside the file and then replaces the file with it, so that a failed
    // write leaves the old file whole. False when any step fails.
    virtual bool WriteWholeFile(const std::string& path, std::string_view content) = 0;
    virtual bool RemoveFile(const std::string& path) = 0;
    // The entries that match a pattern such as "C:\\Plugins\\*.spi", in the order the file system
    // gives them ("." and ".." included where it gives them); empty when nothing matches.
    virtual std::vector<FolderEntry> ListFolder(const std::string& pattern) const = 0;
};

// False for an empty path; otherwise whether the file or folder exists.
bool FileExists(const FileSystem& files, std::string_view path);

} // namespace pelaconf
