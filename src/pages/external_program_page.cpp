#include "pages/external_program_page.h"

#include "settings/settings_record.h"

namespace pelaconf {
namespace {

constexpr ChangeActionKeys kExecKeys{&SettingsRecord::Timer_Exec_Path, &SettingsRecord::Timer_Exec1_Start,
                                     &SettingsRecord::Timer_Exec2_Use, &SettingsRecord::Timer_Exec3_Use};

} // namespace

std::string_view ExternalProgramHelpText() {
    return "壁紙変更時に実行するファイルのフルパス（引数可）を入力して下さい。\n"
           "\n"
           "チェックボックスにチェックを入れると、そのタイミングでの\n"
           "壁紙変更直後に実行ファイルが起動します。\n"
           "\n"
           "※ファイルを実行しない場合はチェックを全て外して下さい。\n";
}

void ExternalProgramModel::Load(const SettingsRecord& record) { LoadFrom(record, kExecKeys); }

void ExternalProgramModel::Store(SettingsRecord& record) const { StoreInto(record, kExecKeys); }

ProgramCheck ExternalProgramModel::Validate() const {
    if (AnyChangeChecked() && path.empty()) {
        return ProgramCheck::PathMissing;
    }
    return PathIsStorable() ? ProgramCheck::Valid : ProgramCheck::NotStorable;
}

std::optional<std::string> ExternalProgramModel::ManualChangeCommand() const {
    if (onManualChange == 0) {
        return std::nullopt;
    }
    return path;
}

} // namespace pelaconf
