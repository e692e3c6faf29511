#include "app/unwritable_folder.h"

#include "platform/file_system.h"

namespace pelaconf {
namespace {

std::string FolderOf(const std::string& filePath) {
    const size_t separator = filePath.find_last_of('\\');
    return separator == std::string::npos ? std::string() : filePath.substr(0, separator);
}

bool StartsWithDriveLetter(const std::string& path) {
    const char letter = path.size() >= 3 ? static_cast<char>(path[0] | 0x20) : '\0';
    return letter >= 'a' && letter <= 'z' && path[1] == ':' && path[2] == '\\';
}

} // namespace

std::optional<std::string> RedirectedCopyPath(const std::string& localAppData, const std::string& filePath) {
    if (localAppData.empty() || !StartsWithDriveLetter(filePath)) {
        return std::nullopt;
    }
    return localAppData + "\\VirtualStore" + filePath.substr(2);
}

std::string SaveFailureMessage(std::string_view failureMessage, const std::string& filePath, const FileSystem& files,
                               const std::string& localAppData) {
    std::string message(failureMessage);
    const std::string folder = FolderOf(filePath);
    if (folder.empty() || files.FolderAcceptsNewFiles(folder)) {
        return message;
    }
    message += "\n" + folder + "\n" + kFolderRefusesFilesText;
    const auto redirected = RedirectedCopyPath(localAppData, filePath);
    if (redirected && files.PathExists(*redirected)) {
        message += "\n" + std::string(kRedirectedCopyText) + "\n" + *redirected;
    }
    return message;
}

} // namespace pelaconf
