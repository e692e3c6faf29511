#pragma once
// A folder of the running test's own beside the test program, for the files it writes.

#include <windows.h>

#include "folder_tree.h"
#include "platform/file_system_win.h"
#include "test_name.h"
#include "win/wide_text.h"

#include <string>

namespace pelaconf {

// Made fresh with the test fixture (named after the test, so that tests running at once never
// share one) and removed with all it holds when the fixture goes.
class ScratchFolder {
public:
    ScratchFolder() : path_(ModuleFolder() + "\\scratch-" + FullTestName()), made_(MakeFreshFolder(Wide())) {}
    ~ScratchFolder() { RemoveFolderTree(Wide()); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool IsMade() const { return made_; }
    const std::string& Path() const { return path_; }
    std::string PathOf(const std::string& name) const { return path_ + "\\" + name; }
    int EntryCount() const { return pelaconf::EntryCount(Wide()); }

private:
    std::wstring Wide() const { return Utf8ToWide(path_); }

    std::string path_;
    bool made_;
};

} // namespace pelaconf
