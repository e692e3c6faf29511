#pragma once
// The file operations the core needs, behind an interface so that the rules can be tested natively.
// Paths are UTF-8 with Windows separators.

#include <functional>
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
    // False when the folder refuses new files to this program (a folder under Program Files, or
    // one made read-only); true when it takes them, and when that cannot be told.
    virtual bool FolderAcceptsNewFiles(const std::string& folder) const = 0;
    // Hands visit the entries that match a pattern such as "C:\\Plugins\\*.spi", in the order the
    // file system gives them ("." and ".." included where it gives them), until visit returns false:
    // the rest of the folder is then not read.
    using FolderVisitor = std::function<bool(const FolderEntry&)>;
    virtual void VisitFolder(const std::string& pattern, const FolderVisitor& visit) const = 0;
    // Every entry that matches the pattern, in the order VisitFolder gives them; empty when nothing
    // matches.
    std::vector<FolderEntry> ListFolder(const std::string& pattern) const;
};

// False for an empty path; otherwise whether the file or folder exists.
bool FileExists(const FileSystem& files, std::string_view path);

} // namespace pelaconf
