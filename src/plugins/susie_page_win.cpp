#include "plugins/susie_page_win.h"

#include "image/plugin_load.h"
#include "platform/message_boxes.h"
#include "plugins/priority_dialog_win.h"
#include "ui/folder_browser.h"
#include "ui/wait_cursor.h"

#include <shlobj.h>

namespace pelaconf {
namespace {

std::string_view RefusalText(SusieFolderCheck check) {
    switch (check) {
    case SusieFolderCheck::Missing: return kSusieFolderMissingMessage;
    case SusieFolderCheck::NotStorable: return kSusieFolderNotStorableMessage;
    case SusieFolderCheck::Valid: break;
    }
    return {};
}

void TellLookup(MessageBoxes& messages, LookupOutcome outcome) {
    switch (outcome) {
    case LookupOutcome::NotFound: messages.Show(kSusieLookupFailedMessage, MessageKind::Warning); break;
    case LookupOutcome::NotStorable: messages.Show(kSusieLookupNotStorableMessage, MessageKind::Warning); break;
    case LookupOutcome::Unchanged:
    case LookupOutcome::Changed: break;
    }
}

void TellRefresh(MessageBoxes& messages, const RefreshResult& result) {
    switch (result.outcome) {
    case RefreshOutcome::Refused: PassesCheck(messages, RefusalText(result.folder)); break;
    case RefreshOutcome::HostNotStarted:
        messages.Show(HostNotStartedMessage(result.hostProgram), MessageKind::Error);
        break;
    case RefreshOutcome::Changed: messages.Show(kPluginsChangedMessage, MessageKind::Information); break;
    case RefreshOutcome::Unchanged: messages.Show(kNoNewPluginsMessage, MessageKind::Information); break;
    }
}

} // namespace

SusiePage::SusiePage(SettingsRecord& record, const FileSystem& files, MessageBoxes& messages, const Registry& registry,
                     PluginProbe& plugins)
    : ModelPage(IDD_SUSIE, record, SusiePageHelpText(),
                {
                    // A stored folder is offered for saving again.
                    BindEditText(IDC_SUSIE_FOLDER, &SusiePageModel::folder).FilledByLoadingCounts(),
                    BindCheckBox(IDC_SUSIE_USE, &SusiePageModel::useSusie).FollowedBy([this] {
                        FollowUseBox();
                        return false;
                    }),
                }),
      files_(files), messages_(messages), registry_(registry), plugins_(plugins) {}

void SusiePage::ShowRules() { FollowUseBox(); }

bool SusiePage::FollowRulesWhenShown() {
    FollowUseBox();
    return false;
}

bool SusiePage::ModelIsValid() { return PassesCheck(messages_, RefusalText(model_.Validate(Record(), files_))); }

void SusiePage::FollowUseBox() {
    const bool used = GetCheckBox(Window(), IDC_SUSIE_USE) == 1;
    for (const int id :
         {IDC_SUSIE_FOLDER, IDC_SUSIE_INSTALL_FOLDER, IDC_SUSIE_BROWSE, IDC_SUSIE_PRIORITIES, IDC_SUSIE_REFRESH}) {
        EnableItem(Window(), id, used);
    }
}

bool SusiePage::OnButtonClicked(int id) {
    switch (id) {
    case IDC_SUSIE_INSTALL_FOLDER: TakeSusieFolder(); return true;
    case IDC_SUSIE_BROWSE: BrowseForFolder(); return true;
    case IDC_SUSIE_PRIORITIES: RunPriorityDialog(); return true;
    case IDC_SUSIE_REFRESH: Refresh(); return true;
    default: return false;
    }
}

void SusiePage::TakeSusieFolder() {
    ReadControls();
    const LookupOutcome outcome = model_.TakeSusieFolder(Record(), registry_);
    TellLookup(messages_, outcome);
    if (outcome != LookupOutcome::Changed) {
        return;
    }
    ModelChangedByRule();
    ShowBound(IDC_SUSIE_FOLDER);
    if (messages_.Show(kSusieLookupDoneQuestion, MessageKind::Question) == MessageAnswer::Yes) {
        Refresh();
    }
}

void SusiePage::BrowseForFolder() {
    ReadControls();
    const FolderChoice choice =
        pelaconf::BrowseForFolder(Window(), kSusieFolderBrowserTitle, model_.folder, BIF_DONTGOBELOWDOMAIN);
    if (choice.result == FolderBrowserResult::Unavailable) {
        messages_.Show(kSusieFolderBrowserFailedMessage, MessageKind::Error);
    } else if (choice.result == FolderBrowserResult::Chosen && model_.ChooseFolder(choice.path)) {
        ShowBound(IDC_SUSIE_FOLDER);
    }
}

// The dialog is owned by the window the page sits in: the settings window or the wizard.
void SusiePage::RunPriorityDialog() {
    PriorityDialog dialog(Record(), messages_);
    if (dialog.RunModal(GetAncestor(Window(), GA_ROOT)) == IDOK) {
        ModelChangedByRule();
    }
}

// The scan loads every plug-in, which takes a while with many. What it found is told before the
// wait cursor goes.
void SusiePage::Refresh() {
    ReadControls();
    RefreshOutcome outcome;
    {
        const WaitCursor waiting;
        const RefreshResult result = model_.Refresh(Record(), files_, plugins_);
        TellRefresh(messages_, result);
        outcome = result.outcome;
    }
    if (outcome == RefreshOutcome::Changed) {
        ModelChangedByRule();
        RunPriorityDialog();
    }
}

} // namespace pelaconf
