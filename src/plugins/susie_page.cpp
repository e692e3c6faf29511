#include "plugins/susie_page.h"

#include "platform/file_system.h"
#include "plugins/plugin_catalogue.h"
#include "plugins/plugin_priorities.h"
#include "settings/code_page.h"
#include "settings/settings_record.h"
#include "settings/string_helpers.h"

#include <utility>

namespace pelaconf {
namespace {

// A folder for Susie_Dir_Path must be storable in the settings file and, where it is to be
// searched, exist when given (an empty folder means none).
SusieFolderCheck CheckFolder(const std::string& folder, bool mustExist, const FileSystem& files) {
    if (mustExist && !folder.empty() && !FileExists(files, folder)) {
        return SusieFolderCheck::Missing;
    }
    if (!FitsShiftJis(folder)) {
        return SusieFolderCheck::NotStorable;
    }
    return SusieFolderCheck::Valid;
}

// The folder as the settings file holds it: "Empty" for none.
std::string StoredFolder(const std::string& folder) { return folder.empty() ? std::string(kNoFolder) : folder; }

} // namespace

std::string_view SusiePageHelpText() {
    return "Susieプラグインフォルダパスを入力して下さい。\n"
           "\n"
           "使用するSusieプラグインの優先順位を設定する場合は\n"
           "「優先順位設定」ボタンを押して下さい。\n"
           "\n"
           "Susieプラグインを再検出する場合は\n"
           "「最新の状態に更新」ボタンを押して下さい。\n";
}

void SusiePageModel::Load(const SettingsRecord& record) {
    useSusie = record.Susie_Use;
    folder = record.Susie_Dir_Path == kNoFolder ? std::string() : record.Susie_Dir_Path;
}

void SusiePageModel::Store(SettingsRecord& record) const {
    record.Susie_Use = useSusie;
    record.Susie_Dir_Path = StoredFolder(folder);
}

SusieFolderCheck SusiePageModel::Validate(SettingsRecord& record, const FileSystem& files) const {
    record.Susie_Use = useSusie;
    // Unused, the folder need not exist; it is still stored.
    return CheckFolder(folder, useSusie == 1, files);
}

LookupOutcome SusiePageModel::TakeSusieFolder(SettingsRecord& record, const Registry& registry) {
    switch (LookUpSusieFolder(record, registry)) {
    case SusieFolderLookup::NotFound: return LookupOutcome::NotFound;
    case SusieFolderLookup::NotStorable: return LookupOutcome::NotStorable;
    case SusieFolderLookup::Found: break;
    }
    if (folder == record.Susie_Dir_Path) {
        return LookupOutcome::Unchanged;
    }
    folder = record.Susie_Dir_Path;
    return LookupOutcome::Changed;
}

RefreshResult SusiePageModel::Refresh(SettingsRecord& record, const FileSystem& files, PluginProbe& probe) const {
    if (const SusieFolderCheck check = CheckFolder(folder, true, files); check != SusieFolderCheck::Valid) {
        return {RefreshOutcome::Refused, check, {}};
    }
    record.Susie_Dir_Path = StoredFolder(folder);
    const PluginEntries before = record.pluginPriorityList;
    if (std::string host = ScanPlugins(record, files, probe); !host.empty()) {
        return {RefreshOutcome::HostNotStarted, SusieFolderCheck::Valid, std::move(host)};
    }
    const bool changed = CatalogueChanged(before, record.pluginPriorityList);
    return {changed ? RefreshOutcome::Changed : RefreshOutcome::Unchanged, SusieFolderCheck::Valid, {}};
}

bool SusiePageModel::ChooseFolder(std::string_view chosen) { return TakeChosenPath(folder, chosen); }

} // namespace pelaconf
