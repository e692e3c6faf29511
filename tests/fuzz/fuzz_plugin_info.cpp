// Any answers a plug-in gives to its information calls must be taken without fault: the numbers
// are asked in order and asking stops at the first failure or at a version other than "00IN"; on
// success each text is the longest start of what the plug-in wrote that fits its field, never cut
// inside a double-byte character of code page 932. The input holds, per call, the answer, the
// number of bytes written and those bytes; where it runs out the plug-in answers 0.
#include "fuzz_check.h"
#include "settings/code_page.h"
#include "susie/plugin_description.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <vector>

namespace {

using namespace pelaconf;

struct FuzzedPlugin {
    std::span<const uint8_t> input;
    std::vector<int> asked;
    std::vector<std::string> written; // the text of each answer, up to its NUL

    int Answer(int number, char* buffer, int length) {
        asked.push_back(number);
        const int answer = input.size() < 2 ? 0 : input[0];
        if (answer == 0) {
            input = input.subspan(std::min<size_t>(input.size(), 1));
            return 0;
        }
        const size_t count = std::min({size_t{input[1]}, input.size() - 2, static_cast<size_t>(length)});
        std::memcpy(buffer, input.data() + 2, count); // the host's buffer is zeroed; ASan sees an overrun
        const auto* text = reinterpret_cast<const char*>(input.data() + 2);
        written.emplace_back(text, strnlen(text, count));
        input = input.subspan(2 + count);
        return answer;
    }
};

// The cut is a start of the text, fits the field with its NUL, ends on a character boundary and
// could not take the next character.
void CheckCut(std::string_view text, std::string_view cut, size_t fieldSize) {
    Check(text.substr(0, cut.size()) == cut && cut.data() == text.data());
    Check(fieldSize > 0 ? cut.size() < fieldSize : cut.empty());
    size_t end = 0;
    while (end < cut.size()) {
        end += IsShiftJisLeadByte(static_cast<uint8_t>(cut[end])) ? 2 : 1;
    }
    Check(end == cut.size());
    if (cut.size() < text.size()) {
        const size_t next = end + (IsShiftJisLeadByte(static_cast<uint8_t>(text[end])) ? 2 : 1);
        Check(next > text.size() || next + 1 > fieldSize);
    }
}

void CheckAsked(const FuzzedPlugin& plugin, int result) {
    const std::vector<int>& asked = plugin.asked;
    for (size_t i = 0; i < asked.size(); ++i) {
        Check(asked[i] == static_cast<int>(i));
    }
    switch (result) {
    case kQueryImportFilter: Check(asked.size() == 4 && plugin.written.size() == 4); break;
    case kQueryNotImportFilter: Check(asked.size() == 1 && plugin.written.size() == 1); break;
    case kQueryFailed: Check(!asked.empty() && plugin.written.size() == asked.size() - 1); break;
    default: Check(false);
    }
}

void CheckFields(const FuzzedPlugin& plugin, const PluginDescription& description) {
    const std::string* const fields[] = {&description.description, &description.extensionFilter,
                                         &description.fileTypeName};
    const size_t fieldSizes[] = {kDescriptionField, kExtensionFilterField, kFileTypeNameField};
    for (size_t i = 0; i < 3; ++i) {
        const std::string_view text = plugin.written[i + 1];
        const std::string_view cut = CutToField(text, fieldSizes[i]);
        CheckCut(text, cut, fieldSizes[i]);
        Check(*fields[i] == DecodeShiftJis(cut));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const size_t anyField = size == 0 ? 0 : data[0];
    CheckCut(bytes, CutToField(bytes, anyField), anyField);

    FuzzedPlugin plugin{{data, size}, {}, {}};
    const PluginDescription untouched{"before", "*.old", "old"};
    PluginDescription description = untouched;
    const int result = QueryPluginInfo(
        [&plugin](int number, char* buffer, int length) { return plugin.Answer(number, buffer, length); }, description);
    CheckAsked(plugin, result);
    if (result == kQueryImportFilter) {
        Check(plugin.written[0] == "00IN");
        CheckFields(plugin, description);
    } else {
        Check(result == kQueryFailed || plugin.written[0] != "00IN");
        Check(description.description == untouched.description &&
              description.extensionFilter == untouched.extensionFilter &&
              description.fileTypeName == untouched.fileTypeName);
    }
    return 0;
}
