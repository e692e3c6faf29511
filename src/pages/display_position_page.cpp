#include "pages/display_position_page.h"

#include "settings/settings_record.h"

namespace pelaconf {

std::string_view DisplayPositionHelpText() {
    return "「中央に表示」・・・壁紙をデスクトップ中央に表示します。\n"
           "\n"
           "「並べて表示」・・・壁紙をデスクトップにタイル状に並べて表示します。\n"
           "\n"
           "「拡大して表示」・・・壁紙をデスクトップサイズに拡大して表示します。\n"
           "\n"
           "「自動判別１」・・・表示位置を自動判別します。（「並べて表示」を優先）\n"
           "\n"
           "「自動判別２」・・・表示位置を自動判別します。（「拡大して表示」を優先）\n"
           "\n"
           "「壁紙を画面にフィットさせる」・・・壁紙がデスクトップよりも大きすぎる、\n"
           "　　　　　　　　または小さすぎる場合など、壁紙のサイズを縦横の比率を\n"
           "　　　　　　　　変えずに調整して表示します。（処理速度は遅めです）\n";
}

void DisplayPositionModel::Load(const SettingsRecord& record) {
    position = record.Rect_Type;
    fit = record.Rect_Fit != 0 ? 1 : 0;
}

void DisplayPositionModel::Store(SettingsRecord& record) const {
    record.Rect_Type = position;
    record.Rect_Fit = fit;
}

} // namespace pelaconf
