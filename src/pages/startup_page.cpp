#include "pages/startup_page.h"

#include "settings/settings_record.h"

namespace pelaconf {

std::string_view StartupHelpText() {
    return "本アプリケーションの起動時に行う処理を設定します。\n"
           "\n"
           "「壁紙を変更する」・・・起動時に壁紙を変更します。\n"
           "\n"
           "「ツールバーを表示する」・・・起動時にツールバーを表示します。\n"
           "\n"
           "「常駐せずに終了する」・・・起動後、すぐに終了します。※\n"
           "\n"
           "※終了した場合、タイマによる自動壁紙変更やホットキーの設定は\n"
           "　適用されません。\n";
}

void StartupModel::Load(const SettingsRecord& record) {
    changeWallpaper = record.Start_Exec_Type;
    showToolBar = record.Start_ToolBar_Type;
    exitAtOnce = record.Start_Exit_Type;
}

void StartupModel::Store(SettingsRecord& record) const {
    record.Start_Exec_Type = changeWallpaper;
    record.Start_ToolBar_Type = showToolBar;
    record.Start_Exit_Type = exitAtOnce;
}

} // namespace pelaconf
