#include "plugins/plugin_priorities.h"

#include "plugins/plugin_catalogue.h"
#include "settings/plugin_entry.h"
#include "settings/settings_record.h"
#include "settings/string_helpers.h"

#include <algorithm>
#include <utility>

namespace pelaconf {
namespace {

using Names = std::vector<std::string>;

void AddOnce(Names& names, const std::string& name) {
    if (std::none_of(names.begin(), names.end(), [&](const std::string& listed) { return EqualNoCase(listed, name); })) {
        names.push_back(name);
    }
}

// Every plug-in once, in ascending order of file name.
Names AllPluginNames(const PluginEntries& working) {
    Names names;
    for (const auto& entry : working) {
        if (entry.HasFolder()) {
            names.push_back(entry.FileName());
        }
    }
    MergeSortStringList(names);
    Names once;
    for (const auto& name : names) {
        AddOnce(once, name);
    }
    return once;
}

// The plug-ins of one extension from priority 00 to 99; entries outside that range are not shown.
Names PluginNamesOf(const PluginEntries& working, std::string_view extension) {
    PluginEntries group;
    std::copy_if(working.begin(), working.end(), std::back_inserter(group),
                 [&](const PluginEntry& entry) { return EqualNoCase(entry.extension, extension); });
    Names names;
    for (const auto& entry : InPriorityOrder(std::move(group))) {
        if (entry.HasFolder()) {
            AddOnce(names, entry.FileName());
        }
    }
    return names;
}

} // namespace

std::string_view PriorityDialogHelpText() {
    return "Susieプラグインの優先順位を設定して下さい。\n"
           "\n"
           "拡張子リストから拡張子を選択すると、その拡張子に対応した\n"
           "SusieプラグインがSusieプラグインリストに表示されます。\n"
           "Susieプラグインリストから優先順位を変更したいSusieプラグインを\n"
           "選択し、矢印キーを押下して上下へ移動させて下さい。\n"
           "リストの上にあるプラグインを優先的に使用します。\n";
}

std::string PluginInformation(std::string_view fileTypeName, std::string_view description) {
    return std::string(fileTypeName) + "\n" + std::string(description);
}

bool CatalogueChanged(const PluginEntries& before, const PluginEntries& after) {
    return !std::equal(before.begin(), before.end(), after.begin(), after.end(),
                       [](const PluginEntry& a, const PluginEntry& b) {
                           return EqualNoCase(FormatPluginEntry(a), FormatPluginEntry(b));
                       });
}

PluginPriorityEditor::PluginPriorityEditor(const SettingsRecord& record) : working_(record.pluginPriorityList) {
    extensionItems_.push_back(kAllPluginsItem);
    for (const auto& extension : ExtensionList(working_)) {
        AddOnce(extensionItems_, "." + AsciiUpper(extension));
    }
}

bool PluginPriorityEditor::SelectExtension(int index) {
    if (index == currentExtension_ || index < 0 || index >= static_cast<int>(extensionItems_.size())) {
        return false;
    }
    currentExtension_ = index;
    pluginNames_ = index == 0 ? AllPluginNames(working_) : PluginNamesOf(working_, extensionItems_[index].substr(1));
    return true;
}

int PluginPriorityEditor::MoveUp(int selected) { return Move(selected, selected - 1); }

int PluginPriorityEditor::MoveDown(int selected) { return Move(selected, selected + 1); }

int PluginPriorityEditor::Move(int from, int to) {
    const auto exchange = Exchange(from, to);
    if (!exchange) {
        return from;
    }
    const std::string lower = AsciiLower(extensionItems_[currentExtension_].substr(1));
    PluginEntry& moved = working_[exchange->movedEntry];
    PluginEntry& neighbour = working_[exchange->neighbourEntry];
    neighbour = {lower, FormatPriority(neighbour.PriorityNumber()), exchange->movedPath};
    moved = {lower, FormatPriority(moved.PriorityNumber()), exchange->neighbourPath};
    std::swap(pluginNames_[from], pluginNames_[to]);
    return to;
}

std::optional<std::string> PluginPriorityEditor::PathOf(std::string_view fileName) const {
    for (const auto& entry : working_) {
        if (EqualNoCase(entry.FileName(), fileName)) {
            return entry.path;
        }
    }
    return std::nullopt;
}

// The two plug-ins exchange their priority numbers for the extension; no entry moves, so the list
// stays grouped and ordered, and other extensions keep their order.
std::optional<PluginPriorityEditor::PriorityExchange> PluginPriorityEditor::Exchange(int from, int to) const {
    const int shown = static_cast<int>(pluginNames_.size());
    if (!CanMove() || from < 0 || to < 0 || from >= shown || to >= shown) {
        return std::nullopt;
    }
    const auto movedPath = PathOf(pluginNames_[from]);
    const auto neighbourPath = PathOf(pluginNames_[to]);
    if (!movedPath || !neighbourPath) {
        return std::nullopt;
    }
    const std::string extension = extensionItems_[currentExtension_].substr(1);
    std::optional<size_t> moved;
    std::optional<size_t> neighbour;
    for (size_t i = 0; i < working_.size() && !(moved && neighbour); ++i) {
        if (!EqualNoCase(working_[i].extension, extension)) {
            continue;
        }
        const std::string& path = working_[i].path;
        if (!moved && EqualNoCase(path, *movedPath)) {
            moved = i;
        } else if (!neighbour && EqualNoCase(path, *neighbourPath)) {
            neighbour = i;
        }
    }
    if (!moved || !neighbour) {
        return std::nullopt;
    }
    const int movedPriority = working_[*moved].PriorityNumber();
    const int neighbourPriority = working_[*neighbour].PriorityNumber();
    const auto writable = [](int priority) { return priority >= 0 && priority < kMaxPluginsPerExtension; };
    if (movedPriority == neighbourPriority || !writable(movedPriority) || !writable(neighbourPriority)) {
        return std::nullopt;
    }
    return PriorityExchange{*moved, *neighbour, *movedPath, *neighbourPath};
}

void PluginPriorityEditor::Commit(SettingsRecord& record) const { record.pluginPriorityList = working_; }

} // namespace pelaconf
