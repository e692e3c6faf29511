#pragma once
// The external program page's values: the command line Pelavine runs right after a wallpaper
// change, and the kinds of change it runs at.

#include "pages/change_action.h"

#include <optional>
#include <string>
#include <string_view>

namespace pelaconf {

struct SettingsRecord;

inline constexpr char kProgramPathMissingMessage[] = "実行ファイルパスを入力して下さい";
inline constexpr char kProgramPathNotStorableMessage[] =
    "実行ファイルパスに設定ファイルへ保存できない文字が含まれています。\n"
    "Shift-JISで表せる文字だけのパスを指定して下さい。";
inline constexpr char kProgramFileDialogTitle[] = "実行ファイル選択";
inline constexpr char kProgramFileDialogFilter[] = "実行ファイル(*.exe)|*.exe|全てのファイル(*.*)|*.*||";

std::string_view ExternalProgramHelpText();

enum class ProgramCheck { Valid, PathMissing, NotStorable };

struct ExternalProgramModel : ChangeAction {
    void Load(const SettingsRecord& record);
    void Store(SettingsRecord& record) const;
    // A checked box needs a command line. It is not looked for on disk, since it may carry
    // arguments.
    ProgramCheck Validate() const;
    // The command line to run at a manual change, when its box is checked.
    std::optional<std::string> ManualChangeCommand() const;
};

} // namespace pelaconf
