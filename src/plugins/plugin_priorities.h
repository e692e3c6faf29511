#pragma once
// The rules of the priority dialog: which extensions it offers, which plug-ins it lists for each,
// and how moving a plug-in up or down exchanges priority numbers on a working copy of the plug-in
// priority list that only Commit carries into the settings record.

#include "settings/plugin_entry.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelaconf {

struct SettingsRecord;

inline constexpr char kAllPluginsItem[] = "全てのSPI";
inline constexpr char kPluginNotFoundMessage[] = "Susieプラグインの取得に失敗しました。";
inline constexpr char kPluginDoesNotLoadMessage[] = "Susieプラグインのロードに失敗しました。";
inline constexpr char kPluginNotUsableMessage[] = "使用できないSusieプラグインです。";
inline constexpr char kMoveUpTooltip[] = "優先順位を上げます";
inline constexpr char kMoveDownTooltip[] = "優先順位を下げます";

std::string_view PriorityDialogHelpText();

// The information field: the file-type name on the first line, the description on the second.
std::string PluginInformation(std::string_view fileTypeName, std::string_view description);

// The catalogue has changed when the lists differ in length or in any entry, ignoring case.
bool CatalogueChanged(const PluginEntries& before, const PluginEntries& after);

class PluginPriorityEditor {
public:
    explicit PluginPriorityEditor(const SettingsRecord& record);

    // "全てのSPI", then ".JPG" and so on, each extension once.
    const std::vector<std::string>& ExtensionItems() const { return extensionItems_; }
    // Shows the plug-ins of the extension item; false when that item is already shown (nothing
    // changes then) or there is no such item.
    bool SelectExtension(int index);
    int CurrentExtension() const { return currentExtension_; }
    // Plug-ins can be moved only within one extension, not in the list of all of them.
    bool CanMove() const { return currentExtension_ > 0; }

    // The file names shown: for an extension from the highest priority to the lowest, for all
    // extensions every plug-in once in ascending order of name.
    const std::vector<std::string>& PluginNames() const { return pluginNames_; }

    // Moves the plug-in shown at `selected` one place up or down and exchanges its priority for
    // the current extension with its neighbour's. Returns where the plug-in now is: `selected`
    // itself when it cannot move. A move that would exchange nothing (the neighbour has the same
    // priority, or either is not in the working list) does not move, so the list always shows
    // what Commit saves.
    int MoveUp(int selected);
    int MoveDown(int selected);
    bool CanMoveUp(int selected) const { return Exchange(selected, selected - 1).has_value(); }
    bool CanMoveDown(int selected) const { return Exchange(selected, selected + 1).has_value(); }

    // The path of the first working entry, of any extension, whose file name is `fileName`.
    std::optional<std::string> PathOf(std::string_view fileName) const;

    const PluginEntries& WorkingList() const { return working_; }
    // Replaces the record's plug-in priority list with the working list.
    void Commit(SettingsRecord& record) const;

private:
    // The two working entries whose priorities a move from `from` to `to` exchanges, with the
    // paths each receives.
    struct PriorityExchange {
        size_t movedEntry;
        size_t neighbourEntry;
        std::string movedPath;
        std::string neighbourPath;
    };
    std::optional<PriorityExchange> Exchange(int from, int to) const;
    int Move(int from, int to);

    PluginEntries working_;
    std::vector<std::string> extensionItems_;
    std::vector<std::string> pluginNames_;
    int currentExtension_ = -1;
};

} // namespace pelaconf
