// Every help text and fixed list text of the pages, the priority dialog and the wizard, compared
// in full with the words the user must see. The expected texts are written out here rather than
// taken from the program, so that a changed character in the program fails.
#include "wizard/wizard_steps.h"
#include "pages/hotkey_page.h"
#include "pages/other_settings_page.h"
#include "pages/timer_page.h"
#include "pages/timer_stop_page.h"
#include "pages/tray_icon_page.h"
#include "pages/version_page.h"
#include "plugins/plugin_priorities.h"
#include "plugins/susie_page.h"

#include <gtest/gtest.h>

#include <string_view>

namespace pelaconf {
namespace {

struct FixedText {
    const char* name;
    std::string_view shown;
    std::string_view expected;
};

TEST(FixedTexts, EveryHelpListAndMessageTextIsWordForWord) {
    const FixedText texts[] = {
        {"timer off", LayoutForTimerType(kTimerOff).helpText,
         "タイマによる壁紙変更を行いません。\n\n自動的に壁紙を変更したい場合は、使用するタイマの種類を選択して\n"
         "下さい。\n"},
        {"timer interval", LayoutForTimerType(kTimerInterval).helpText,
         "壁紙を一定時間毎に変更します。\n\nスライダバーを左右に動かしてお好みの時間間隔を指定して下さい。\n"},
        {"timer hourly", LayoutForTimerType(kTimerHourly).helpText,
         "壁紙を毎時指定した時刻に変更します。\n\n壁紙を変更したい時間（分）を入力後、「<< 追加」ボタンを押して\n"
         "リストに追加して下さい（20個まで追加できます）。\n"},
        {"timer time of day", LayoutForTimerType(kTimerTimeOfDay).helpText,
         "壁紙を指定した時刻に変更します。\n\n壁紙を変更したい時間（時・分）を入力後、「<< 追加」ボタンを押して\n"
         "リストに追加して下さい（20個まで追加できます）。\n"},
        {"minute out of range", kMinuteOutOfRangeMessage, "0 から 59 までの数値を入力して下さい"},
        {"hour out of range", kHourOutOfRangeMessage, "0 から 23 までの数値を入力して下さい"},
        {"time already listed", kTimeAlreadyListedMessage, "その時刻は既に追加されています"},
        {"time list full", kTimeListFullMessage, "これ以上追加できません"},
        {"timer fault", kTimerFaultMessage, "異常が発生しました"},
        {"time removal failed", kTimeRemovalFailedMessage, "時刻を削除で異常が発生しました"},
        {"hotkey", HotkeyHelpText(),
         "特定のキーボードキーを押して壁紙を変更する設定です。\n\nそれぞれの動作を割り当てるキーを入力して下さい。\n"
         "（キーは基本的にALTキーと組み合わせて入力して下さい。）\n\n"
         "※ホットキーの使用には「Pelavine」を常駐している必要があります。\n"
         "※既に他の機能を割り当てられているキーを設定すると、\n"
         "　壁紙変更出来なかったり、元の機能も動作しなくなる可能性があります。\n"},
        {"timer stop", TimerStopHelpText(),
         "タイマを一時的に無効にする設定です。\n\n「フルスクリーンアプリケーション実行時は停止する」チェックボックスに\n"
         "チェックを入れた場合、画面全体を使用したアプリケーション\n"
         "（DirectXを使用したゲーム等）実行中の自動壁紙変更を行いません。\n"},
        {"tray", TrayIconHelpText(), "タスクトレイに表示されるアイコンの挙動を設定して下さい。\n\n"},
        {"other settings", OtherSettingsHelpText(),
         "Pelavineの動作に関する設定です。\n\n「設定ダイアログのフェード効果を有効にする」チェックボックスに\n"
         "チェックが入っている場合、設定ダイアログを表示・閉じるときに\nフェードします（Win2000/XPのみ）。\n\n"
         "「壁紙変更時に「変更中ウィンドウ」を表示する」チェックボックスに\n"
         "チェックが入っている場合、壁紙変更処理中にそれをお知らせする\nウィンドウを表示します。\n"
         "Win2000/XPの場合、「変更中ウィンドウ」の透明度を指定できます。\n"},
        {"version", VersionHelpText(),
         "本アプリケーションのバージョン情報です。\n\nホームページURLをクリックすると、製作者のホームページを\n"
         "デフォルトブラウザで開きます。\n"},
        {"susie page", SusiePageHelpText(),
         "Susieプラグインフォルダパスを入力して下さい。\n\n使用するSusieプラグインの優先順位を設定する場合は\n"
         "「優先順位設定」ボタンを押して下さい。\n\nSusieプラグインを再検出する場合は\n"
         "「最新の状態に更新」ボタンを押して下さい。\n"},
        {"priority dialog", PriorityDialogHelpText(),
         "Susieプラグインの優先順位を設定して下さい。\n\n拡張子リストから拡張子を選択すると、その拡張子に対応した\n"
         "SusieプラグインがSusieプラグインリストに表示されます。\n"
         "Susieプラグインリストから優先順位を変更したいSusieプラグインを\n"
         "選択し、矢印キーを押下して上下へ移動させて下さい。\nリストの上にあるプラグインを優先的に使用します。\n"},
        {"wizard welcome", WizardMessageText(100).value_or(""),
         "Pelavine をお使い頂き、ありがとうございます。\n\n\nこのウィザードは、初回起動時のみ表示します。\n\n"
         "Pelavine に必要最小限の情報を設定します。\nここで設定した内容は後から変更可能です。\n"},
        {"wizard susie introduction", WizardMessageText(101).value_or(""),
         "基本的な動作の設定は終了しました。\n\n続けて Susieプラグインの設定を行います。\n"
         "Susieプラグインを使用するように設定すれば、\nBMP JPEG GIF PNG 以外の画像も壁紙にすることができます。\n\n"
         "（Susieプラグインについてよく分からない方はとりあえず何も設定せずに\n"
         "飛ばして頂いても構いません。また後から再設定可能です。）\n"},
        {"wizard closing", WizardMessageText(102).value_or(""),
         "これで初期設定は完了です。\n\n「完了」ボタンを押すとウィザードを閉じ、通常の設定ダイアログに戻ります。\n"},
        {"wizard next", kWizardNextText, "次へ(&N) >"},
        {"wizard finish", kWizardFinishText, "完了"},
        {"tray action 0", kTrayActions[0], "メニュー表示"},
        {"tray action 1", kTrayActions[1], "ツールバー表示"},
        {"tray action 2", kTrayActions[2], "設定ダイアログ表示"},
        {"tray action 3", kTrayActions[3], "タイマ停止・再開"},
        {"tray action 4", kTrayActions[4], "壁紙変更（昇順）"},
        {"tray action 5", kTrayActions[5], "壁紙変更（降順）"},
        {"tray action 6", kTrayActions[6], "壁紙変更（ランダム）"},
        {"tray action 7", kTrayActions[7], "壁紙をはがす・戻す"},
    };
    for (const FixedText& text : texts) {
        EXPECT_EQ(text.shown, text.expected) << text.name;
    }
}

} // namespace
} // namespace pelaconf
