#include "plugins/susie_page_win.h"

#include "platform/message_boxes.h"
#include "plugins/priority_dialog_win.h"
#include "ui/folder_browser.h"
#include "ui/wait_cursor.h"

#include <shlobj.h>

namespace pelaconf {

SusiePage::SusiePage(SettingsRecord& record, const FileSystem& files, MessageBoxes& messages, const Registry& registry,
                     PluginProbe& plugins)
    : ModelPage(IDD_SUSIE, record, SusiePageHelpText()), files_(files), messages_(messages), registry_(registry),
      plugins_(plugins) {}

void SusiePage::ShowModel() {
    ShowFolder();
    SetCheckBox(Window(), IDC_SUSIE_USE, model_.useSusie);
    FollowUseBox();
}

// Any change of the folder text marks the page, also the page's own loading: a stored folder is
// offered for saving again.
void SusiePage::ShowFolder() {
    if (GetItemText(Window(), IDC_SUSIE_FOLDER) != model_.folder) {
        SetItemText(Window(), IDC_SUSIE_FOLDER, model_.folder);
        SetModified(true);
    }
}

void SusiePage::ReadControls() {
    model_.folder = GetItemText(Window(), IDC_SUSIE_FOLDER);
    model_.useSusie = GetCheckBox(Window(), IDC_SUSIE_USE);
}

bool SusiePage::ModelIsValid() { return model_.Validate(Record(), files_, messages_); }

void SusiePage::FollowUseBox() {
    const bool used = GetCheckBox(Window(), IDC_SUSIE_USE) == 1;
    for (const int id :
         {IDC_SUSIE_FOLDER, IDC_SUSIE_INSTALL_FOLDER, IDC_SUSIE_BROWSE, IDC_SUSIE_PRIORITIES, IDC_SUSIE_REFRESH}) {
        EnableItem(Window(), id, used);
    }
}

bool SusiePage::OnCommand(int id, int notifyCode, HWND control) {
    if (id == IDC_SUSIE_FOLDER && notifyCode == EN_CHANGE) {
        SetModified(true);
        return true;
    }
    return ModelPage::OnCommand(id, notifyCode, control);
}

bool SusiePage::OnButtonClicked(int id) {
    switch (id) {
    case IDC_SUSIE_USE:
        SetModified(true);
        FollowUseBox();
        return true;
    case IDC_SUSIE_INSTALL_FOLDER: TakeSusieFolder(); return true;
    case IDC_SUSIE_BROWSE: BrowseForFolder(); return true;
    case IDC_SUSIE_PRIORITIES: RunPriorityDialog(); return true;
    case IDC_SUSIE_REFRESH: Refresh(); return true;
    default: return false;
    }
}

void SusiePage::OnShowWindow(bool shown) {
    if (shown) {
        FollowUseBox();
    }
}

void SusiePage::TakeSusieFolder() {
    ReadControls();
    if (model_.TakeSusieFolder(Record(), registry_, messages_) != LookupOutcome::Changed) {
        return;
    }
    SetModified(true);
    ShowFolder();
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
        ShowFolder();
    }
}

// The dialog is owned by the window the page sits in: the settings window or the wizard.
void SusiePage::RunPriorityDialog() {
    PriorityDialog dialog(Record(), messages_);
    if (dialog.RunModal(GetAncestor(Window(), GA_ROOT)) == IDOK) {
        SetModified(true);
    }
}

// The scan loads every plug-in, which takes a while with many.
void SusiePage::Refresh() {
    ReadControls();
    RefreshOutcome outcome;
    {
        const WaitCursor waiting;
        outcome = model_.Refresh(Record(), files_, plugins_, messages_);
    }
    if (outcome == RefreshOutcome::Changed) {
        SetModified(true);
        RunPriorityDialog();
    }
}

} // namespace pelaconf
