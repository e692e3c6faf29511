#pragma once
// The plug-in priority dialog: the extensions, the plug-ins of the chosen one in priority order,
// what the selected plug-in says of itself, and the up and down buttons. It edits a working copy
// of the plug-in priority list that only OK carries into the settings record.

#include "plugins/plugin_priorities.h"
#include "susie/image_object_win.h"
#include "ui/dialog.h"

namespace pelaconf {

class MessageBoxes;
struct SettingsRecord;

class PriorityDialog : public Dialog {
public:
    PriorityDialog(SettingsRecord& record, MessageBoxes& messages);

protected:
    bool OnInit() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    bool OnButtonClicked(int id) override;
    std::optional<LRESULT> OnNotify(const NMHDR& header) override;
    void OnOk() override;
    void OnDpiChanged(int dpi) override;

private:
    void ShowMoveIcons();
    void AddTooltips();
    void ShowSelectedExtension();
    void ShowPlugins(int selected);
    void FollowPluginSelection();
    void ShowSelectedPlugin();
    void MoveSelectedPlugin(bool up);

    SettingsRecord& record_;
    MessageBoxes& messages_;
    PluginPriorityEditor editor_;
    // Holds the selected plug-in while the dialog asks it about itself.
    ImageObject plugin_;
};

} // namespace pelaconf
