#include "pages/timer_stop_page.h"

#include "settings/settings_record.h"

namespace pelaconf {

std::string_view TimerStopHelpText() {
    return "タイマを一時的に無効にする設定です。\n"
           "\n"
           "「フルスクリーンアプリケーション実行時は停止する」チェックボックスに\n"
           "チェックを入れた場合、画面全体を使用したアプリケーション\n"
           "（DirectXを使用したゲーム等）実行中の自動壁紙変更を行いません。\n";
}

void TimerStopModel::Load(const SettingsRecord& record) { stopInFullScreen = record.Timer_Stop_FullScreen; }

void TimerStopModel::Store(SettingsRecord& record) const { record.Timer_Stop_FullScreen = stopInFullScreen; }

} // namespace pelaconf
