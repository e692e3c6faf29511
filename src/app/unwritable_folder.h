#pragma once
// A save that failed in a folder that takes no new files (the program put under Program Files,
// where a program that does not ask for administrator rights may not write) says so: the failure's
// own message, then the folder, why and what to do. Windows gives old programs that write there a
// redirected copy of the file instead; when one exists, the message says where, since Pelavine may
// be reading that copy.

#include <optional>
#include <string>
#include <string_view>

namespace pelaconf {

class FileSystem;

inline constexpr char kFolderRefusesFilesText[] =
    "このフォルダには書き込めません。Pelaconf と Pelavine を、書き込めるフォルダ（Program Files の外など）に置いてください。";
inline constexpr char kRedirectedCopyText[] = "Pelavine は、Windows が代わりに作った次の設定ファイルを読んでいるかもしれません。";

// Where Windows puts its redirected copy of a file for old programs:
// <local application data>\VirtualStore\<the path without its drive>. Empty for a path not on a
// drive letter, or without the local application data folder.
std::optional<std::string> RedirectedCopyPath(const std::string& localAppData, const std::string& filePath);

// The failure's message for a save of `filePath`; when the file's folder refuses new files, with
// the folder and the remedy, and with an existing redirected copy of the file (looked for only
// with the local application data folder: the settings file's copy is the one Pelavine reads).
std::string SaveFailureMessage(std::string_view failureMessage, const std::string& filePath, const FileSystem& files,
                               const std::string& localAppData);

} // namespace pelaconf
