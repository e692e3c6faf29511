#pragma once
// Pelavine.ini: reading it into the SettingsRecord, writing the record back, and deleting
// Pelavine's shuffle memory Shuffle.ini.

#include "settings/settings_record.h"

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace pelaconf {

class FileSystem;

// One scalar key of the file: its text up to and including "=", and the record's field.
// How a number is written: as it is, or as a flag ("1" for any non-zero value, "0" for zero).
enum class NumberKind { Integer, Flag };

struct SettingsKey {
    std::string_view key;
    std::variant<std::string SettingsRecord::*, int SettingsRecord::*> field;
    NumberKind kind = NumberKind::Integer;
};

// The scalar keys in the order in which the file is written.
std::span<const SettingsKey> ScalarSettingsKeys();

inline constexpr std::string_view kSettingsComment = "# Pelavine Version 1.2 設定ファイル";
inline constexpr std::string_view kPluginKey = "[SPI]=";

// The file's lines applied to the record (text already decoded to UTF-8).
void ParseSettings(std::string_view text, SettingsRecord& record);
// The whole file as UTF-8 text with CR LF line ends.
std::string FormatSettings(const SettingsRecord& record);

// The leading decimal number of a value (optional sign, digits), 0 when there is none;
// saturated at the limits of a 32-bit integer.
int LeadingNumber(std::string_view value);

// What ReadSettings found.
enum class SettingsFileState {
    Read,
    Missing,
    // The file is there but could not be read (locked by another program, access denied): it must
    // not be taken for a first run and replaced by the defaults.
    Unreadable,
};

// Values the file held in other bytes than Windows writes their characters with (duplicate codes
// of a character): the line as it is written ("[Key]=value") and the value's bytes as read, so
// that a value written back unchanged keeps its bytes. This is the file's state, not a setting.
using OriginalSpellings = std::map<std::string, std::string>;

struct SettingsFileRead {
    SettingsFileState state;
    OriginalSpellings spellings; // empty unless the file was read
};

// Only a read file changes the record.
SettingsFileRead ReadSettings(SettingsRecord& record, const FileSystem& files);
// True when the whole file was written; false when any step failed, or when a value cannot be
// held in the file's code page. The previous file then stays as it was.
bool WriteSettings(const SettingsRecord& record, const OriginalSpellings& spellings, FileSystem& files);
// 1 when Shuffle.ini did not exist or was deleted, 0 when deleting it failed.
int DeleteShuffleList(const SettingsRecord& record, FileSystem& files);

} // namespace pelaconf
