#pragma once
// The Susie settings page: whether plug-ins are used, their folder with Susie's own folder and the
// folder browser as sources, the priority dialog and the refresh of the plug-in catalogue.

#include "pages/model_page_win.h"
#include "plugins/susie_page.h"

namespace pelaconf {

class FileSystem;
class MessageBoxes;
class PluginProbe;
class Registry;

class SusiePage : public ModelPage<SusiePageModel> {
public:
    SusiePage(SettingsRecord& record, const FileSystem& files, MessageBoxes& messages, const Registry& registry,
              PluginProbe& plugins);

protected:
    void ShowRules() override;
    bool FollowRulesWhenShown() override;
    bool ModelIsValid() override;
    bool OnButtonClicked(int id) override;

private:
    // The folder and its buttons are usable only while plug-ins are used.
    void FollowUseBox();
    void TakeSusieFolder();
    void BrowseForFolder();
    void RunPriorityDialog();
    void Refresh();

    const FileSystem& files_;
    MessageBoxes& messages_;
    const Registry& registry_;
    PluginProbe& plugins_;
};

} // namespace pelaconf
