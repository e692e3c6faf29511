#include "settings/settings_file.h"

#include "platform/file_system.h"
#include "settings/code_page.h"
#include "settings/plugin_entry.h"
#include "settings/string_helpers.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <unordered_map>

namespace pelaconf {
namespace {

using Record = SettingsRecord;
// Written "1" for any non-zero value.
constexpr NumberKind kWrittenAsFlag = NumberKind::Flag;

constexpr auto kScalarKeys = std::to_array<SettingsKey>({
    {"[Wall_Dir_Path]=", &Record::Wall_Dir_Path},
    {"[Wall_Dir_Saike_Use]=", &Record::Wall_Dir_Saike_Use, kWrittenAsFlag},
    {"[Start_Exec_Type]=", &Record::Start_Exec_Type, kWrittenAsFlag},
    {"[Start_ToolBar_Type]=", &Record::Start_ToolBar_Type, kWrittenAsFlag},
    {"[Start_Exit_Type]=", &Record::Start_Exit_Type, kWrittenAsFlag},
    {"[Turn_Type]=", &Record::Turn_Type},
    {"[Rect_Type]=", &Record::Rect_Type},
    {"[Rect_Fit]=", &Record::Rect_Fit, kWrittenAsFlag},
    {"[Timer_Type]=", &Record::Timer_Type},
    {"[Timer_Length]=", &Record::Timer_Length},
    {"[Timer1_List]=", &Record::Timer1_List},
    {"[Timer2_List]=", &Record::Timer2_List},
    {"[Timer_Exec1_Start]=", &Record::Timer_Exec1_Start, kWrittenAsFlag},
    {"[Timer_Exec2_Use]=", &Record::Timer_Exec2_Use, kWrittenAsFlag},
    {"[Timer_Exec3_Use]=", &Record::Timer_Exec3_Use, kWrittenAsFlag},
    {"[Timer_Exec_Path]=", &Record::Timer_Exec_Path},
    {"[Timer_Wave1_Start]=", &Record::Timer_Wave1_Start, kWrittenAsFlag},
    {"[Timer_Wave2_Use]=", &Record::Timer_Wave2_Use, kWrittenAsFlag},
    {"[Timer_Wave3_Use]=", &Record::Timer_Wave3_Use, kWrittenAsFlag},
    {"[Timer_Wave_Path]=", &Record::Timer_Wave_Path},
    {"[Timer_Stop_FullScreen]=", &Record::Timer_Stop_FullScreen, kWrittenAsFlag},
    {"[Susie_Use]=", &Record::Susie_Use, kWrittenAsFlag},
    {"[Susie_Dir_Path]=", &Record::Susie_Dir_Path},
    {"[Left_Single]=", &Record::Left_Single},
    {"[Left_Double]=", &Record::Left_Double},
    {"[Icon_Trance]=", &Record::Icon_Trance},
    {"[HKey_ChgNormal]=", &Record::HKey_ChgNormal},
    {"[HKey_ChgReverse]=", &Record::HKey_ChgReverse},
    {"[HKey_ChgRandam]=", &Record::HKey_ChgRandam},
    {"[HKey_ChgNone]=", &Record::HKey_ChgNone},
    {"[WaitDlg_Trans]=", &Record::WaitDlg_Trans},
    {"[SetupDlg_Fade]=", &Record::SetupDlg_Fade, kWrittenAsFlag},
});

constexpr std::string_view kLineEnd = "\r\n";

// Remembers each value whose bytes differ from what Windows writes for its characters.
OriginalSpellings FindOriginalSpellings(std::string_view bytes) {
    OriginalSpellings spellings;
    while (!bytes.empty()) {
        const auto lineEnd = bytes.find('\n');
        // White space and "=" are never the second byte of a character, so the bytes split as
        // the decoded text does.
        const std::string_view line = TrimWhiteSpace(bytes.substr(0, lineEnd));
        bytes = lineEnd == std::string_view::npos ? std::string_view() : bytes.substr(lineEnd + 1);
        const auto equals = line.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        const std::string_view rawValue = TrimWhiteSpace(line.substr(equals + 1));
        const std::string value = DecodeShiftJis(rawValue);
        if (EncodeShiftJis(value) != rawValue) {
            spellings[DecodeShiftJis(line.substr(0, equals + 1)) + value] = std::string(rawValue);
        }
    }
    return spellings;
}

// One line of the file in code page 932: a value read and not changed keeps its bytes.
std::optional<std::string> EncodeLine(std::string_view line, const OriginalSpellings& spellings) {
    const auto spelled = spellings.find(std::string(line));
    if (spelled == spellings.end()) {
        return EncodeShiftJis(line);
    }
    auto key = EncodeShiftJis(line.substr(0, line.find('=') + 1));
    if (key) {
        key->append(spelled->second);
    }
    return key;
}

void StoreValue(const SettingsKey& key, std::string_view value, SettingsRecord& record) {
    if (const auto* text = std::get_if<std::string Record::*>(&key.field)) {
        record.** text = std::string(value);
    } else {
        record.*std::get<int Record::*>(key.field) = LeadingNumber(value);
    }
}

const SettingsKey* FindScalarKey(std::string_view key) {
    static const std::unordered_map<std::string_view, const SettingsKey*> byKey = [] {
        std::unordered_map<std::string_view, const SettingsKey*> keys;
        for (const auto& scalar : kScalarKeys) {
            keys.emplace(scalar.key, &scalar);
        }
        return keys;
    }();
    const auto found = byKey.find(key);
    return found == byKey.end() ? nullptr : found->second;
}

void ApplyLine(std::string_view rawLine, SettingsRecord& record) {
    const std::string_view line = TrimWhiteSpace(rawLine);
    if (line.empty() || line.front() == '#') {
        return;
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return;
    }
    const std::string_view key = line.substr(0, equals + 1);
    const std::string_view value = TrimWhiteSpace(line.substr(equals + 1));
    if (const SettingsKey* scalar = FindScalarKey(key)) {
        StoreValue(*scalar, value, record);
    } else if (key == kPluginKey) {
        record.pluginPriorityList.push_back(ParsePluginEntry(value));
    }
}

std::string FormatValue(const SettingsKey& key, const SettingsRecord& record) {
    if (const auto* text = std::get_if<std::string Record::*>(&key.field)) {
        return record.**text;
    }
    const int number = record.*std::get<int Record::*>(key.field);
    if (key.kind == NumberKind::Flag) {
        return number != 0 ? "1" : "0";
    }
    return std::to_string(number);
}

} // namespace

std::span<const SettingsKey> ScalarSettingsKeys() { return kScalarKeys; }

int LeadingNumber(std::string_view value) {
    size_t pos = 0;
    bool negative = false;
    if (pos < value.size() && (value[pos] == '-' || value[pos] == '+')) {
        negative = value[pos++] == '-';
    }
    int64_t number = 0;
    for (; pos < value.size() && value[pos] >= '0' && value[pos] <= '9'; ++pos) {
        number = std::min<int64_t>(number * 10 + (value[pos] - '0'), int64_t{INT_MAX} + 1);
    }
    number = negative ? -number : std::min<int64_t>(number, INT_MAX);
    return static_cast<int>(number);
}

void ParseSettings(std::string_view text, SettingsRecord& record) {
    while (!text.empty()) {
        const auto lineEnd = text.find('\n');
        ApplyLine(text.substr(0, lineEnd), record);
        text = lineEnd == std::string_view::npos ? std::string_view() : text.substr(lineEnd + 1);
    }
}

std::string FormatSettings(const SettingsRecord& record) {
    std::string text(kSettingsComment);
    text += "\r\n";
    for (const auto& key : kScalarKeys) {
        text.append(key.key).append(FormatValue(key, record)).append("\r\n");
    }
    for (const auto& entry : record.pluginPriorityList) {
        text.append(kPluginKey).append(FormatPluginEntry(entry)).append("\r\n");
    }
    return text;
}

SettingsFileRead ReadSettings(SettingsRecord& record, const FileSystem& files) {
    const auto bytes = files.ReadWholeFile(record.SettingsFilePath());
    if (!bytes) {
        const bool there = files.PathExists(record.SettingsFilePath());
        return {there ? SettingsFileState::Unreadable : SettingsFileState::Missing, {}};
    }
    ParseSettings(DecodeShiftJis(*bytes), record);
    return {SettingsFileState::Read, FindOriginalSpellings(*bytes)};
}

bool WriteSettings(const SettingsRecord& record, const OriginalSpellings& spellings, FileSystem& files) {
    const std::string text = FormatSettings(record);
    std::string bytes;
    for (std::string_view rest = text; !rest.empty();) {
        const auto lineEnd = rest.find(kLineEnd);
        const auto line = EncodeLine(rest.substr(0, lineEnd), spellings);
        if (!line) {
            return false;
        }
        bytes.append(*line).append(kLineEnd);
        rest = lineEnd == std::string_view::npos ? std::string_view() : rest.substr(lineEnd + kLineEnd.size());
    }
    // A file that already holds these bytes is left alone: every start rewrites the file, and a
    // flushed write costs more than the read.
    const std::string path = record.SettingsFilePath();
    if (files.ReadWholeFile(path) == bytes) {
        return true;
    }
    return files.WriteWholeFile(path, bytes);
}

int DeleteShuffleList(const SettingsRecord& record, FileSystem& files) {
    const std::string path = record.ShuffleListPath();
    if (!FileExists(files, path)) {
        return 1;
    }
    return files.RemoveFile(path) ? 1 : 0;
}

} // namespace pelaconf
