#include "pages/display_order_page.h"

#include "settings/settings_record.h"

namespace pelaconf {
namespace {

constexpr int kTurnRandomOneRound = 3;

} // namespace

std::string_view DisplayOrderHelpText() {
    return "起動時の壁紙変更や、タイマによる自動壁紙変更時の\n"
           "壁紙の表示順番を設定します。\n"
           "\n"
           "「連続（昇順）」・・・画像ファイルパスの昇順で壁紙を変更します。\n"
           "\n"
           "「連続（降順）」・・・画像ファイルパスの降順で壁紙を変更します。\n"
           "\n"
           "「ランダム」・・・壁紙をランダムで変更します。※\n"
           "\n"
           "※「壁紙フォルダ内の画像を一巡させる」チェックボックスに\n"
           "　チェックを入れている場合、一度壁紙として表示した画像は\n"
           "　無視して次の画像ファイルをランダム選出します。\n";
}

void DisplayOrderModel::Load(const SettingsRecord& record) {
    if (record.Turn_Type == kTurnRandomOneRound) {
        order = kOrderRandom;
        oneRound = 1;
    } else {
        order = record.Turn_Type;
        oneRound = 0;
    }
}

void DisplayOrderModel::Store(SettingsRecord& record) const {
    record.Turn_Type = order;
    if (oneRound != 0) {
        record.Turn_Type = kTurnRandomOneRound;
    }
}

bool DisplayOrderModel::ChooseOrder(int newOrder) {
    const bool changed = newOrder != order;
    order = newOrder;
    if (!OneRoundEnabled()) {
        oneRound = 0;
    }
    return changed;
}

} // namespace pelaconf
