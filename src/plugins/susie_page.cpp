#include "plugins/susie_page.h"

#include "image/plugin_load.h"
#include "platform/file_system.h"
#include "platform/message_boxes.h"
#include "plugins/plugin_catalogue.h"
#include "plugins/plugin_priorities.h"
#include "settings/code_page.h"
#include "settings/settings_record.h"
#include "settings/string_helpers.h"

namespace pelaconf {
namespace {

// A folder for Susie_Dir_Path must be storable in the settings file and, where it is to be
// searched, exist when given (an empty folder means none).
bool FolderIsUsable(const std::string& folder, bool mustExist, const FileSystem& files, MessageBoxes& messages) {
    if (mustExist && !folder.empty() && !FileExists(files, folder)) {
        messages.Show(kSusieFolderMissingMessage, MessageKind::Warning);
        return false;
    }
    if (!FitsShiftJis(folder)) {
        messages.Show(kSusieFolderNotStorableMessage, MessageKind::Warning);
        return false;
    }
    return true;
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

bool SusiePageModel::Validate(SettingsRecord& record, const FileSystem& files, MessageBoxes& messages) const {
    record.Susie_Use = useSusie;
    // Unused, the folder need not exist; it is still stored.
    return FolderIsUsable(folder, useSusie == 1, files, messages);
}

LookupOutcome SusiePageModel::TakeSusieFolder(SettingsRecord& record, const Registry& registry,
                                              MessageBoxes& messages) {
    const int lookup = LookUpSusieFolder(record, registry);
    if (lookup != 0) {
        messages.Show(lookup == kSusieFolderNotStorable ? kSusieLookupNotStorableMessage : kSusieLookupFailedMessage,
                      MessageKind::Warning);
        return LookupOutcome::Failed;
    }
    if (folder == record.Susie_Dir_Path) {
        return LookupOutcome::Unchanged;
    }
    folder = record.Susie_Dir_Path;
    return LookupOutcome::Changed;
}

RefreshOutcome SusiePageModel::Refresh(SettingsRecord& record, const FileSystem& files, PluginProbe& probe,
                                       MessageBoxes& messages) const {
    if (!FolderIsUsable(folder, true, files, messages)) {
        return RefreshOutcome::Refused;
    }
    record.Susie_Dir_Path = StoredFolder(folder);
    const PluginEntries before = record.pluginPriorityList;
    if (const std::string host = ScanPlugins(record, files, probe); !host.empty()) {
        messages.Show(HostNotStartedMessage(host), MessageKind::Error);
        return RefreshOutcome::HostNotStarted;
    }
    if (CatalogueChanged(before, record.pluginPriorityList)) {
        messages.Show(kPluginsChangedMessage, MessageKind::Information);
        return RefreshOutcome::Changed;
    }
    messages.Show(kNoNewPluginsMessage, MessageKind::Information);
    return RefreshOutcome::Unchanged;
}

bool SusiePageModel::ChooseFolder(std::string_view chosen) { return TakeChosenPath(folder, chosen); }

} // namespace pelaconf
