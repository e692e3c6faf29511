#pragma once

#include "platform/file_system.h"

namespace pelaconf {

class Win32FileSystem : public FileSystem {
public:
    bool PathExists(const std::string& path) const override;
    std::optional<std::string> ReadWholeFile(const std::string& path) const override;
    bool WriteWholeFile(const std::string& path, std::string_view content) override;
    bool RemoveFile(const std::string& path) override;
    bool FolderAcceptsNewFiles(const std::string& folder) const override;
    void VisitFolder(const std::string& pattern, const FolderVisitor& visit) const override;
};

// At most the first maxBytes of the file (a buffer of that size is made at once); empty when it
// cannot be opened or read. Other programs may read, write or delete the file meanwhile.
std::optional<std::string> ReadFileHead(const std::string& path, size_t maxBytes);

// The folder of the running executable, without a trailing backslash.
std::string ModuleFolder();
// The current user's local application data folder (%LOCALAPPDATA%); empty when it is not set.
std::string LocalAppDataFolder();

} // namespace pelaconf
