#include "app/settings_window_win.h"

#include "app/layered_window_library_win.h"
#include "app/single_instance_win.h"
#include "app/wizard_win.h"
#include "platform/message_boxes.h"
#include "resource.h"
#include "ui/controls.h"
#include "win/wide_text.h"

#include <algorithm>
#include <stdexcept>

namespace pelaconf {
namespace {

constexpr UINT_PTR kFirstRunTimer = 1;
constexpr char kThreadStartFailedMessage[] = "スレッドの起動に失敗しました。\nプログラムを終了します。";

HICON ProgramIcon(int metricX, int metricY) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PELACONF), IMAGE_ICON,
                                         GetSystemMetrics(metricX), GetSystemMetrics(metricY), LR_SHARED));
}

} // namespace

SettingsWindow::SettingsWindow(SettingsWindowServices services, const LayeredWindowLibrary& layeredWindows,
                               const WallpaperServices* wallpaper)
    : Dialog(IDD_SETTINGS), services_(services), layeredWindows_(layeredWindows), wallpaper_(wallpaper),
      fadeThread_(fade_, layeredWindows),
      model_(services, fade_, *this) {}

SettingsWindow::~SettingsWindow() { fadeThread_.Stop(); }

bool SettingsWindow::OnInit() {
    SendMessageW(Window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon(SM_CXICON, SM_CYICON)));
    SendMessageW(Window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon(SM_CXSMICON, SM_CYSMICON)));
    SetPropW(Window(), kSettingsWindowProperty, reinterpret_cast<HANDLE>(1));
    if (fadeThread_.FadingPossible()) {
        layeredWindows_.SetOpacity(Window(), static_cast<BYTE>(kFadeStartAlpha));
    }
    if (!fadeThread_.Start(Window())) {
        services_.messages.Show(kThreadStartFailedMessage, MessageKind::Error);
        End(IDCANCEL);
        return true;
    }
    captionBar_.Create(Window());
    CreatePages();
    PlaceChildren();
    validateOnSelection_ = false;
    BuildCategoryTree();
    ShowPage(0);
    wizardWaitsForShow_ = model_.FirstRun();
    return true;
}

// The window is created hidden and shown by the modal loop once it is idle. The wizard's timer is
// set only then, so that the wizard never opens over a window not yet on the screen.
void SettingsWindow::StartWizardTimerOnceShown(const WINDOWPOS& position) {
    if (wizardWaitsForShow_ && (position.flags & SWP_SHOWWINDOW) != 0) {
        wizardWaitsForShow_ = false;
        SetTimer(Window(), kFirstRunTimer, 1, nullptr);
    }
}

PageContext SettingsWindow::MakePageContext() {
    const auto findPage = [this](int templateId) -> PageDialog* {
        const int index = PageIndexOf(templateId);
        return index >= 0 && index < static_cast<int>(pages_.size()) ? pages_[index].dialog.get() : nullptr;
    };
    return {services_, [this](int templateId) { SelectCategory(PageIndexOf(templateId)); }, &layeredWindows_,
            wallpaper_, findPage};
}

void SettingsWindow::CreatePages() {
    const PageContext context = MakePageContext();
    for (const PageRow& row : PageTable()) {
        pages_.push_back(row.create(context, row.templateId));
        pages_.back().dialog->CreateChild(Window());
    }
    HandValidatedPagesToModel();
}

void SettingsWindow::HandValidatedPagesToModel() {
    std::vector<std::pair<int, ValidatedPage>> byPlace;
    for (size_t index = 0; index < pages_.size(); ++index) {
        const PageRow& row = PageTable()[index];
        if (row.validationPlace == kNotValidated) {
            continue;
        }
        if (pages_[index].settings == nullptr) {
            throw std::logic_error("a validated page must hold settings");
        }
        byPlace.push_back({row.validationPlace, {static_cast<int>(index), pages_[index].settings}});
    }
    std::sort(byPlace.begin(), byPlace.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<ValidatedPage> validated;
    for (const auto& [place, page] : byPlace) {
        validated.push_back(page);
    }
    model_.SetPages(std::move(validated));
}

void SettingsWindow::PlaceChildren() {
    const RECT caption = ItemRectangle(Window(), IDC_CAPTION_FRAME);
    SetWindowPos(captionBar_.Window(), nullptr, caption.left, caption.top, caption.right - caption.left,
                 caption.bottom - caption.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    ShowWindow(captionBar_.Window(), SW_SHOWNA);
    const RECT pageArea = ItemRectangle(Window(), IDC_PAGE_FRAME);
    for (const auto& page : pages_) {
        page.dialog->Place(pageArea);
    }
}

// Top-level categories in order, each followed by its children; the parents shown expanded.
void SettingsWindow::BuildCategoryTree() {
    const HWND tree = Item(IDC_CATEGORY_TREE);
    for (const PageRow& row : PageTable()) {
        const int parent = row.parentTemplateId == kTopLevel ? -1 : PageIndexOf(row.parentTemplateId);
        treeItems_.push_back(InsertTreeItem(tree, parent < 0 ? TVI_ROOT : treeItems_[parent], row.label));
        if (parent >= 0) {
            SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(treeItems_[parent]));
        }
    }
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(treeItems_[0]));
}

void SettingsWindow::SelectCategory(int pageIndex) {
    if (pageIndex < 0 || pageIndex >= static_cast<int>(treeItems_.size()) || treeItems_[pageIndex] == nullptr) {
        return;
    }
    SendDlgItemMessageW(Window(), IDC_CATEGORY_TREE, TVM_SELECTITEM, TVGN_CARET,
                        reinterpret_cast<LPARAM>(treeItems_[pageIndex]));
}

void SettingsWindow::ShowPageAfterFailedValidation(int pageIndex) {
    validateOnSelection_ = false;
    SelectCategory(pageIndex);
    validateOnSelection_ = true;
}

void SettingsWindow::ShowPage(int pageIndex) {
    captionBar_.SetIndex(pageIndex);
    for (const auto& page : pages_) {
        ShowWindow(page.dialog->Window(), SW_HIDE);
    }
    if (pageIndex >= 0 && pageIndex < static_cast<int>(pages_.size())) {
        ShowWindow(pages_[pageIndex].dialog->Window(), SW_SHOW);
    }
}

int SettingsWindow::PageIndexOfItem(HTREEITEM item) const {
    const auto found = std::find(treeItems_.begin(), treeItems_.end(), item);
    return found == treeItems_.end() ? -1 : static_cast<int>(found - treeItems_.begin());
}

std::optional<LRESULT> SettingsWindow::OnNotify(const NMHDR& header) {
    if (header.idFrom != IDC_CATEGORY_TREE) {
        return std::nullopt;
    }
    const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
    if (header.code == TVN_SELCHANGINGW || header.code == TVN_SELCHANGINGA) {
        // Every change of category validates every page; a refusal keeps the selection.
        const bool refuse = validateOnSelection_ && !model_.ValidateAll();
        return refuse ? TRUE : FALSE;
    }
    if ((header.code == TVN_SELCHANGEDW || header.code == TVN_SELCHANGEDA) && change.itemNew.hItem != nullptr) {
        ShowPage(PageIndexOfItem(change.itemNew.hItem));
        validateOnSelection_ = true;
        return 0;
    }
    return std::nullopt;
}

bool SettingsWindow::OnCommand(int id, int notifyCode, HWND control) {
    if (id == IDC_APPLY && notifyCode == BN_CLICKED) {
        model_.Apply();
        return true;
    }
    return Dialog::OnCommand(id, notifyCode, control);
}

// The first-run timer fires once, right after the window is shown.
bool SettingsWindow::OnTimer(UINT_PTR timerId) {
    if (timerId != kFirstRunTimer) {
        return false;
    }
    KillTimer(Window(), kFirstRunTimer);
    RunFirstRunWizard();
    return true;
}

// A completed wizard has stored its pages into the record: the window's own instances show its
// values, and the folder page counts as changed so that OK saves them even without more changes.
// A cancelled one leaves the window as it was.
void SettingsWindow::RunFirstRunWizard() {
    Wizard wizard(MakePageContext());
    if (wizard.RunModal(Window()) != IDOK) {
        return;
    }
    for (const int templateId : kWizardPageTemplates) {
        if (SettingsPage* page = pages_[PageIndexOf(templateId)].settings) {
            page->Reload();
        }
    }
    if (SettingsPage* folderPage = pages_[PageIndexOf(IDD_WALLPAPER_FOLDER)].settings) {
        folderPage->SetModified(1);
    }
}

bool SettingsWindow::OnPaint() {
    if (!IsIconic(Window())) {
        return false;
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Window(), &paint);
    SendMessageW(Window(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(Window(), &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, ProgramIcon(SM_CXICON, SM_CYICON));
    EndPaint(Window(), &paint);
    return true;
}

std::optional<INT_PTR> SettingsWindow::OnMessage(UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_WINDOWPOSCHANGED) {
        StartWizardTimerOnceShown(*reinterpret_cast<const WINDOWPOS*>(lParam));
        return std::nullopt; // the default handling still sizes and moves the window
    }
    if (message == WM_QUERYDRAGICON) {
        return reinterpret_cast<INT_PTR>(ProgramIcon(SM_CXICON, SM_CYICON));
    }
    if (message == kFadeFinishedMessage) {
        End(fade_.result.load());
        return TRUE;
    }
    return std::nullopt;
}

void SettingsWindow::OnDestroy() {
    fadeThread_.Stop();
    RemovePropW(Window(), kSettingsWindowProperty);
}

} // namespace pelaconf
