#include "platform/file_system.h"

namespace pelaconf {

bool FileExists(const FileSystem& files, std::string_view path) {
    return !path.empty() && files.PathExists(std::string(path));
}

} // namespace pelaconf
