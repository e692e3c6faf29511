#pragma once
// The tray icon page's values: what a single and a double left click on Pelavine's tray icon do,
// each the index of one of the eight tray actions, or -1 for none.

#include <array>
#include <string>
#include <string_view>

namespace pelaconf {

struct SettingsRecord;

inline constexpr int kNoTrayAction = -1;

// The tray actions in the order of the page's lists; a setting holds the index of its action.
inline constexpr std::array<std::string_view, 8> kTrayActions{
    "メニュー表示",     "ツールバー表示",   "設定ダイアログ表示",   "タイマ停止・再開",
    "壁紙変更（昇順）", "壁紙変更（降順）", "壁紙変更（ランダム）", "壁紙をはがす・戻す",
};

std::string_view TrayIconHelpText();
// Pelavine's tray picture, beside the program.
std::string TrayPicturePath(const SettingsRecord& record);

struct TrayIconModel {
    int leftSingle = kNoTrayAction;
    int leftDouble = kNoTrayAction;

    // A stored value that names no action loads as none, and is stored back as -1.
    void Load(const SettingsRecord& record);
    void Store(SettingsRecord& record) const;
};

} // namespace pelaconf
