#pragma once
// An in-memory file system for the core's tests: files by path, folders as a set, and
// switches that make writing or deleting fail.

#include "platform/file_system.h"

#include <map>
#include <set>

namespace pelaconf::testing {

class FakeFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> folders;
    bool failWrites = false;
    std::set<std::string> refusingFolders; // folders that take no new file
    bool FolderAcceptsNewFiles(const std::string& folder) const override { return refusingFolders.count(folder) == 0; }
    bool failRemoves = false;

    bool PathExists(const std::string& path) const override {
        return files.count(path) != 0 || folders.count(path) != 0;
    }
    std::optional<std::string> ReadWholeFile(const std::string& path) const override {
        const auto found = files.find(path);
        return found == files.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
    bool WriteWholeFile(const std::string& path, std::string_view content) override {
        if (failWrites || folders.count(path) != 0) {
            return false;
        }
        files[path] = std::string(content);
        return true;
    }
    // Folder listings by pattern, as the test sets them up.
    std::map<std::string, std::vector<FolderEntry>> listings;
    // How many entries have been handed out, so that a test sees where a listing stopped.
    mutable size_t entriesVisited = 0;

    void VisitFolder(const std::string& pattern, const FolderVisitor& visit) const override {
        const auto found = listings.find(pattern);
        if (found == listings.end()) {
            return;
        }
        for (const FolderEntry& entry : found->second) {
            ++entriesVisited;
            if (!visit(entry)) {
                return;
            }
        }
    }
    bool RemoveFile(const std::string& path) override {
        if (failRemoves || files.count(path) == 0) {
            return false;
        }
        files.erase(path);
        return true;
    }
};

} // namespace pelaconf::testing
