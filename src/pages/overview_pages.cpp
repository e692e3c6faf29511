#include "pages/overview_pages.h"

#include "resource.h"

#include <array>

namespace pelaconf {
namespace {

const std::array<OverviewPageContent, 3>& OverviewPages() {
    static const std::array<OverviewPageContent, 3> kPages{{
        {IDD_BASIC_OVERVIEW,
         "本アプリケーションの基本となる設定です。\n全ての項目に適切な設定を行って下さい。\n",
         {
             {IDC_LINK_1, IDD_WALLPAPER_FOLDER, IDC_LINK_DESCRIPTION_1,
              "本アプリケーションの基底となる\n壁紙フォルダパスを設定します。\n"},
             {IDC_LINK_2, IDD_STARTUP, IDC_LINK_DESCRIPTION_2, "本アプリケーションの起動時の動作を\n設定します。\n"},
             {IDC_LINK_3, IDD_DISPLAY_ORDER, IDC_LINK_DESCRIPTION_3,
              "壁紙とする画像ファイルの選出順番を\n設定します。\n"},
             {IDC_LINK_4, IDD_DISPLAY_POSITION, IDC_LINK_DESCRIPTION_4, "壁紙の表示位置を設定します。\n"},
         }},
        {IDD_AUTO_CHANGE_OVERVIEW,
         "タイマを使用して自動的に壁紙変更を行う設定です。\n\n",
         {
             {IDC_LINK_1, IDD_TIMER, IDC_LINK_DESCRIPTION_1,
              "使用するタイマの種類と壁紙変更を行う\n時間間隔または時刻を設定します。\n"},
             {IDC_LINK_2, IDD_EXTERNAL_PROGRAM, IDC_LINK_DESCRIPTION_2,
              "壁紙変更時に他のアプリケーションを\n実行するための設定を行います。\n"},
             {IDC_LINK_3, IDD_WAVE, IDC_LINK_DESCRIPTION_3, "壁紙変更時にWAVEを演奏するための設定を\n行います。\n"},
             {IDC_LINK_4, IDD_TIMER_STOP, IDC_LINK_DESCRIPTION_4, "タイマを自動的に一時停止する設定を\n行います。\n"},
         }},
        {IDD_DETAIL_OVERVIEW,
         "本アプリケーションの詳細設定です。\nSusieプラグインや拡張機能の設定が可能です。\n",
         {
             {IDC_LINK_1, IDD_SUSIE, IDC_LINK_DESCRIPTION_1,
              "Susieプラグインの保存フォルダや\n優先順位を設定します。\n"},
             {IDC_LINK_2, IDD_TRAY_ICON, IDC_LINK_DESCRIPTION_2, "タスクトレイのアイコンの挙動を設定します。\n\n"},
             {IDC_LINK_3, IDD_DESKTOP_ICON, IDC_LINK_DESCRIPTION_3,
              "デスクトップのアイコン文字の背景を\n透明にする設定を行います。\n"},
             {IDC_LINK_4, IDD_HOTKEY, IDC_LINK_DESCRIPTION_4,
              "特定のキーボードキー押下で壁紙変更する\nホットキーの設定を行います。\n"},
             {IDC_LINK_5, IDD_OTHER, IDC_LINK_DESCRIPTION_5, "Pelavineの動作に関する設定を行います。\n"},
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
