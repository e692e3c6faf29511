#include "app/overview_pages.h"

#include <array>

namespace pelaconf {
namespace {

const std::array<OverviewPageContent, 3>& OverviewPages() {
    static const std::array<OverviewPageContent, 3> kPages{{
        {101,
         "本アプリケーションの基本となる設定です。\n全ての項目に適切な設定を行って下さい。\n",
         {
             {1006, 1, 1011, "本アプリケーションの基底となる\n壁紙フォルダパスを設定します。\n"},
             {1007, 2, 1012, "本アプリケーションの起動時の動作を\n設定します。\n"},
             {1008, 3, 1013, "壁紙とする画像ファイルの選出順番を\n設定します。\n"},
             {1009, 4, 1014, "壁紙の表示位置を設定します。\n"},
         }},
        {108,
         "タイマを使用して自動的に壁紙変更を行う設定です。\n\n",
         {
             {1006, 6, 1011, "使用するタイマの種類と壁紙変更を行う\n時間間隔または時刻を設定します。\n"},
             {1007, 7, 1012, "壁紙変更時に他のアプリケーションを\n実行するための設定を行います。\n"},
             {1008, 8, 1013, "壁紙変更時にWAVEを演奏するための設定を\n行います。\n"},
             {1009, 9, 1014, "タイマを自動的に一時停止する設定を\n行います。\n"},
         }},
        {113,
         "本アプリケーションの詳細設定です。\nSusieプラグインや拡張機能の設定が可能です。\n",
         {
             {1006, 11, 1011, "Susieプラグインの保存フォルダや\n優先順位を設定します。\n"},
             {1007, 12, 1012, "タスクトレイのアイコンの挙動を設定します。\n\n"},
             {1008, 13, 1013, "デスクトップのアイコン文字の背景を\n透明にする設定を行います。\n"},
             {1009, 14, 1014, "特定のキーボードキー押下で壁紙変更する\nホットキーの設定を行います。\n"},
             {1015, 15, 1016, "Pelavineの動作に関する設定を行います。\n"},
         }},
    }};
    return kPages;
}

} // namespace

const OverviewPageContent* FindOverviewPage(int templateId) {
    for (const auto& page : OverviewPages()) {
        if (page.templateId == templateId) {
            return &page;
        }
    }
    return nullptr;
}

} // namespace pelaconf
