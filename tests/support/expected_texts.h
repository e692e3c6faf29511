#pragma once
// Questions the journeys expect Pelaconf to ask, word for word. The tests keep their own copy
// rather than the program's constants, so that a wrong text in the program fails a test.

#include <string>

namespace pelaconf::expected {

// What the user is told when the plug-in host program cannot be started.
inline std::string HostNotStarted(const std::string& hostProgram) {
    return "Susieプラグインを使うためのプログラム（" + hostProgram +
           "）を起動できませんでした。\nPelaconfと同じフォルダにあるか確認してください。";
}

inline constexpr char kRestartQuestion[] = "設定の変更を反映するためにPelavineを再起動しますか？";
inline constexpr char kDiscardQuestion[] =
    "設定内容は変更されています。\nキャンセルすると変更は保存されませんが、よろしいですか？";
inline constexpr char kWizardTitle[] = "初期設定ウィザード";
inline constexpr char kWizardCancelQuestion[] =
    "初期設定は完了していません。\n初期設定ウィザードを終了してもよろしいですか？";
inline constexpr char kPriorityDialogTitle[] = "Susieプラグイン優先順位設定";
inline constexpr char kPluginsChangedMessage[] = "Susieプラグイン情報の変更を検出しました。";

} // namespace pelaconf::expected
