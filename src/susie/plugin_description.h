#pragma once
// What a Susie plug-in says about itself, and the questions that find it out. Plug-ins write their
// texts in code page 932 (Shift-JIS), whatever the system's ANSI code page: they are read as such,
// and kept here as UTF-8, each no longer in its code page 932 form than its field allows.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace pelaconf {

// Field sizes in bytes, each including its terminating NUL.
constexpr size_t kDescriptionField = 256;
constexpr size_t kExtensionFilterField = 64;
constexpr size_t kFileTypeNameField = 128;

struct PluginDescription {
    std::string description;     // information number 1: name and version
    std::string extensionFilter; // information number 2: the first file-name pattern list, "*.jpg;*.jpeg"
    std::string fileTypeName;    // information number 3: the name of the first file type
};

// Results of QueryPlugin.
enum QueryPluginResult : int {
    kQueryImportFilter = 1,
    kQueryNotImportFilter = 2,
    kQueryNoModule = 3,
    kQueryFailed = -1, // no GetPluginInfo, or one of its answers was 0
};

// Calls the plug-in's GetPluginInfo(number, buffer, length); returns its answer.
using GetPluginInfoCall = std::function<int(int number, char* buffer, int length)>;

// Asks information numbers 0 to 3 in order with a 100-byte buffer. The version text must be
// "00IN" byte for byte, else kQueryNotImportFilter and nothing more is asked; an answer of 0 gives
// kQueryFailed. On kQueryImportFilter the description is filled, else left unchanged.
int QueryPluginInfo(const GetPluginInfoCall& getPluginInfo, PluginDescription& description);

// The longest start of the code page 932 text that fits a field of the given size with its NUL,
// never ending inside a double-byte character.
std::string_view CutToField(std::string_view text, size_t fieldSize);

} // namespace pelaconf
