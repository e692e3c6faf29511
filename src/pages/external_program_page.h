#pragma once
// The external program page's values: the command line Pelavine runs right after a wallpaper
// change, and the kinds of change it runs at.

#include "pages/change_action.h"

#include <optional>
#include <string>
#include <string_view>

namespace pelaconf {

class MessageBoxes;
struct SettingsRecord;

inline constexpr char kProgramPathMissingMessage[] = "実行ファイルパスを入力して下さい";
inline constexpr char kProgramPathNotStorableMessage[] =
    "実行ファイルパスに設定ファイルへ保存できない文字が含まれています。\n"
    "Shift-JISで表せる文字だけのパスを指定して下さい。";
inline constexpr char kProgramFileDialogTitle[] = "実行ファイル選択";
inline constexpr char kProgramFileDialogFilter[] = "実行ファイル(*.exe)|*.exe|全てのファイル(*.*)|*.*||";

std::string_view ExternalProgramHelpText();

struct ExternalProgramModel : ChangeAction {
    void Load(const SettingsRecord& record);
    void Store(SettingsRecord& record) const;
    // A checked box needs a command line. It is not looked for on disk, since it may carry
    // arguments. Tells the user why when it refuses.
    bool Validate(MessageBoxes& messages) const;
    // The command line to run at a manual change, when its box is checked.
    std::optional<std::string> ManualChangeCommand() const;
};

} // namespace pelaconf
