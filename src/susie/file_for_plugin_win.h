#pragma once
// A picture as a plug-in host is told it. Plug-ins take only ANSI paths: a picture that neither
// the ANSI code page nor a short (8.3) name can name (8.3 names are off on most volumes other than
// the system's) is handed over as a copy under an ASCII name in the temporary folder.
//
// The copy is made and deleted here, in Pelaconf, never in the host: the host runs the plug-in,
// and a plug-in that faults or hangs ends its host with no chance to clean up, while Pelaconf is
// still there to delete the copy. A copy opened with FILE_FLAG_DELETE_ON_CLOSE would go with a
// host that dies, but while such a handle is open every other open of the file must allow
// deleting, which a plug-in reading the file with CreateFileA or fopen does not.

#include <string>

namespace pelaconf {

class FileForPlugin {
public:
    explicit FileForPlugin(const std::string& fullPath);
    ~FileForPlugin() { DeleteCopy(); }
    FileForPlugin(FileForPlugin&& other) noexcept;
    FileForPlugin& operator=(FileForPlugin&& other) noexcept;
    FileForPlugin(const FileForPlugin&) = delete;
    FileForPlugin& operator=(const FileForPlugin&) = delete;

    // The path to give the host: the picture's own, or its copy's; empty when the picture can be
    // handed over neither way.
    const std::string& Path() const { return path_; }
    // Deletes the copy; false when one is left, held open by a plug-in that has not let go of it.
    bool DeleteCopy();

private:
    std::string path_;
    std::wstring copy_; // empty when no copy is held
};

} // namespace pelaconf
