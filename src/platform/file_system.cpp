#include "platform/file_system.h"

namespace pelaconf {

int FileExists(const FileSystem& files, std::string_view path) {
    return !path.empty() && files.PathExists(std::string(path)) ? 1 : 0;
}

} // namespace pelaconf
