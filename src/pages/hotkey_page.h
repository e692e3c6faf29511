#pragma once
// The hotkey page's values: the key combinations of Pelavine's four hotkeys. Each is a hot-key
// code: the virtual-key code in the low byte and the modifier flags in the high byte, 0 for
// none (Alt+F1 is 0x0470).

#include <array>
#include <string_view>

namespace pelaconf {

struct SettingsRecord;

inline constexpr char kDuplicateHotkeyMessage[] = "同じキーを設定したホットキーが存在します";

// The modifier flags of a hot-key code's high byte.
inline constexpr int kHotkeyShift = 0x01;
inline constexpr int kHotkeyControl = 0x02;
inline constexpr int kHotkeyAlt = 0x04;

// How the page's hot-key controls take typed keys: a key typed alone, with Shift alone or with
// Ctrl alone would also fire during ordinary typing, so it gets Ctrl+Alt in place of what was
// held.
inline constexpr std::array kRefusedHotkeyModifiers{0, kHotkeyShift, kHotkeyControl};
inline constexpr int kReplacementHotkeyModifiers = kHotkeyControl | kHotkeyAlt;

std::string_view HotkeyHelpText();

// What validation found: two actions share a key, or the keys are accepted with or without a
// difference from the settings record.
enum class HotkeyCheck { SharedKey, Unchanged, Changed };

struct HotkeyModel {
    // In the page's order: change ascending, descending, at random, remove the wallpaper.
    std::array<int, 4> keys{};

    // A hot-key code has 16 bits; anything above them is dropped.
    void Load(const SettingsRecord& record);
    void Store(SettingsRecord& record) const;
    // Two actions may not share a key; actions without a key never clash.
    bool HasSharedKey() const;
    HotkeyCheck Validate(const SettingsRecord& record) const;
};

} // namespace pelaconf
