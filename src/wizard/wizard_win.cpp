#include "wizard/wizard_win.h"

#include "platform/message_boxes.h"
#include "resource.h"
#include "ui/controls.h"

namespace pelaconf {

Wizard::Wizard(PageServices services) : Dialog(IDD_WIZARD), services_(services) {}

bool Wizard::OnInit() {
    CreatePages();
    ShowStep();
    return true;
}

void Wizard::CreatePages() {
    for (const int templateId : kWizardPageTemplates) {
        const PageRow& row = PageTable()[PageIndexOf(templateId)];
        pages_.push_back(row.create(services_, templateId));
        pages_.back().dialog->CreateChild(Window(), HWND_TOP);
    }
    messagePage_.CreateChild(Window(), HWND_TOP);
    PlacePages();
}

// The frame has been laid out with the dialog; the pages are laid out at the DPI and follow it.
void Wizard::OnDpiChanged(int dpi) {
    for (const auto& page : pages_) {
        page.dialog->ApplyDpi(dpi);
    }
    messagePage_.ApplyDpi(dpi);
    PlacePages();
}

void Wizard::PlacePages() {
    const RECT pageArea = ItemRectangle(Window(), IDC_WIZARD_PAGE_FRAME);
    for (const auto& page : pages_) {
        page.dialog->Place(pageArea);
    }
    messagePage_.Place(pageArea);
}

void Wizard::ShowStep() {
    const WizardStepRow& row = steps_.CurrentRow();
    EnableItem(Window(), IDC_WIZARD_BACK, row.backEnabled);
    SetItemText(Window(), IDC_WIZARD_NEXT, row.nextText);
    for (const auto& page : pages_) {
        ShowWindow(page.dialog->Window(), SW_HIDE);
    }
    ShowWindow(messagePage_.Window(), SW_HIDE);
    if (row.pageTemplateId == IDD_WIZARD_MESSAGE) {
        messagePage_.ShowText(row.messageNumber);
    }
    ShowWindow(Item(row.pageTemplateId), SW_SHOW);
    KeepFocusUsable();
}

// Focus left on a page just hidden, or on back just disabled, would leave the keyboard nowhere.
void Wizard::KeepFocusUsable() {
    const HWND focus = GetFocus();
    if (focus == nullptr || !IsWindowVisible(focus) || !IsWindowEnabled(focus)) {
        SendMessageW(Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_WIZARD_NEXT)), TRUE);
    }
}

bool Wizard::OnButtonClicked(int id) {
    if (id == IDC_WIZARD_NEXT) {
        switch (steps_.Next(*this)) {
        case WizardNext::Moved: ShowStep(); break;
        case WizardNext::Stayed: break; // the page has said why and keeps the focus
        case WizardNext::Completed: End(IDOK); break;
        }
        return true;
    }
    if (id == IDC_WIZARD_BACK) {
        steps_.Back();
        ShowStep();
        return true;
    }
    return false;
}

void Wizard::OnCancel() {
    if (services_.messages.Show(kWizardCancelQuestion, MessageKind::Question) == MessageAnswer::Yes) {
        CancelWizard(services_.record);
        End(IDCANCEL);
    }
}

SettingsPage* Wizard::SettingsOf(int templateId) const {
    for (const auto& page : pages_) {
        if (page.dialog->TemplateId() == templateId) {
            return page.settings;
        }
    }
    return nullptr;
}

// A page that holds no settings has nothing to refuse and nothing to store.
bool Wizard::Validate(int templateId) {
    SettingsPage* page = SettingsOf(templateId);
    return page == nullptr || page->Validate();
}

void Wizard::Store(int templateId) {
    if (SettingsPage* page = SettingsOf(templateId)) {
        page->Store();
    }
}

} // namespace pelaconf
