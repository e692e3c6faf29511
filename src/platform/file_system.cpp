#include "platform/file_system.h"

namespace pelaconf {

bool FileExists(const FileSystem& files, std::string_view path) {
    return !path.empty() && files.PathExists(std::string(path));
}

std::vector<FolderEntry> FileSystem::ListFolder(const std::string& pattern) const {
    std::vector<FolderEntry> entries;
    VisitFolder(pattern, [&entries](const FolderEntry& entry) {
        entries.push_back(entry);
        return true;
    });
    return entries;
}

} // namespace pelaconf
