#include "pages/tray_icon_page.h"

#include "settings/settings_record.h"

namespace pelaconf {
namespace {

int TrayActionOrNone(int stored) {
    return stored >= 0 && stored < static_cast<int>(kTrayActions.size()) ? stored : kNoTrayAction;
}

} // namespace

std::string_view TrayIconHelpText() {
    return "タスクトレイに表示されるアイコンの挙動を設定して下さい。\n"
           "\n";
}

std::string TrayPicturePath(const SettingsRecord& record) { return record.moduleFolder + "\\Pelavine.sys"; }

void TrayIconModel::Load(const SettingsRecord& record) {
    leftSingle = TrayActionOrNone(record.Left_Single);
    leftDouble = TrayActionOrNone(record.Left_Double);
}

void TrayIconModel::Store(SettingsRecord& record) const {
    record.Left_Single = leftSingle;
    record.Left_Double = leftDouble;
}

} // namespace pelaconf
