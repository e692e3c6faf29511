#include "susie/plugin_description.h"

#include <array>
#include <cstring>

namespace pelaconf {
namespace {

constexpr int kInfoBufferLength = 100;
constexpr std::string_view kImportFilterVersion = "00IN";

// The text the plug-in wrote: up to its first NUL, never past the buffer.
std::string_view BufferText(const std::array<char, kInfoBufferLength>& buffer) {
    const void* nul = std::memchr(buffer.data(), '\0', buffer.size());
    const size_t length = nul ? static_cast<size_t>(static_cast<const char*>(nul) - buffer.data()) : buffer.size();
    return {buffer.data(), length};
}

} // namespace

std::string_view CutToField(std::string_view ansi, size_t fieldSize, const AnsiCodePage& codePage) {
    const size_t limit = fieldSize == 0 ? 0 : fieldSize - 1;
    size_t end = 0;
    while (end < ansi.size()) {
        const size_t next = end + (codePage.IsLeadByte(static_cast<uint8_t>(ansi[end])) ? 2 : 1);
        if (next > limit || next > ansi.size()) {
            break;
        }
        end = next;
    }
    return ansi.substr(0, end);
}

int QueryPluginInfo(const GetPluginInfoCall& getPluginInfo, const AnsiCodePage& codePage,
                    PluginDescription& description) {
    PluginDescription answers;
    std::string* const fields[] = {&answers.description, &answers.extensionFilter, &answers.fileTypeName};
    const size_t fieldSizes[] = {kDescriptionField, kExtensionFilterField, kFileTypeNameField};
    std::array<char, kInfoBufferLength> buffer{};
    for (int number = 0; number <= 3; ++number) {
        buffer.fill('\0');
        if (getPluginInfo(number, buffer.data(), kInfoBufferLength) == 0) {
            return kQueryFailed;
        }
        const std::string_view text = BufferText(buffer);
        if (number == 0) {
            if (text != kImportFilterVersion) {
                return kQueryNotImportFilter;
            }
            continue;
        }
        *fields[number - 1] = codePage.ToUtf8(CutToField(text, fieldSizes[number - 1], codePage));
    }
    description = std::move(answers);
    return kQueryImportFilter;
}

} // namespace pelaconf
