#include "susie/plugin_description.h"

#include "settings/code_page.h"

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

std::string_view CutToField(std::string_view text, size_t fieldSize) {
    const size_t limit = fieldSize == 0 ? 0 : fieldSize - 1;
    size_t end = 0;
    while (end < text.size()) {
        const size_t next = end + (IsShiftJisLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1);
        if (next > limit || next > text.size()) {
            break;
        }
        end = next;
    }
    return text.substr(0, end);
}

int QueryPluginInfo(const GetPluginInfoCall& getPluginInfo, PluginDescription& description) {
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
        *fields[number - 1] = DecodeShiftJis(CutToField(text, fieldSizes[number - 1]));
    }
    description = std::move(answers);
    return kQueryImportFilter;
}

} // namespace pelaconf
