#include "app/settings_window_win.h"

#include "app/layered_window_library_win.h"
#include "app/single_instance_win.h"
#include "platform/message_boxes.h"
#include "resource.h"
#include "ui/controls.h"
#include "ui/tree_view.h"
#include "win/gdi_scopes.h"
#include "win/wide_text.h"
#include "wizard/wizard_win.h"

#include <algorithm>

namespace pelaconf {
namespace {

constexpr UINT_PTR kFirstRunTimer = 1;
constexpr UINT_PTR kNextPageTimer = 2;
constexpr UINT kMakeNextPageMessage = kFadeFinishedMessage + 1;
// The page the window shows when it opens, the only one made before it is shown.
constexpr int kFirstShownPage = 0;
constexpr char kThreadStartFailedMessage[] = "スレッドの起動に失敗しました。\nプログラムを終了します。";

HICON ProgramIcon(int metricX, int metricY) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PELACONF), IMAGE_ICON,
                                         GetSystemMetrics(metricX), GetSystemMetrics(metricY), LR_SHARED));
}

const char* SaveFailureText(SaveFailure failure) {
    switch (failure) {
    case SaveFailure::NotWritten: return kSettingsSaveFailedMessage;
    case SaveFailure::BrokenOff: return kSettingsSaveAbortedMessage;
    }
    return kSettingsSaveFailedMessage;
}

} // namespace

SettingsWindow::SettingsWindow(SettingsWindowServices services, MessageBoxes& messages,
                               const LayeredWindowLibrary& layeredWindows, const WallpaperServices* wallpaper)
    : Dialog(IDD_SETTINGS), services_(services), messages_(messages), layeredWindows_(layeredWindows), wallpaper_(wallpaper),
      fadeThread_(fade_, layeredWindows), model_(services, fade_, *this), pages_(PageTable().size()),
      pageCreation_(static_cast<int>(PageTable().size()), [this](int pageIndex) { MakePage(pageIndex); }) {}

SettingsWindow::~SettingsWindow() { fadeThread_.Stop(); }

bool SettingsWindow::OnInit() {
    SendMessageW(Window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon(SM_CXICON, SM_CYICON)));
    SendMessageW(Window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon(SM_CXSMICON, SM_CYSMICON)));
    SetPropW(Window(), kSettingsWindowProperty, reinterpret_cast<HANDLE>(1));
    if (fadeThread_.FadingPossible()) {
        layeredWindows_.SetOpacity(Window(), static_cast<BYTE>(kFadeStartAlpha));
    }
    if (!fadeThread_.Start(Window())) {
        messages_.Show(kThreadStartFailedMessage, MessageKind::Error);
        End(IDCANCEL);
        return true;
    }
    captionBar_.Create(Window());
    PlaceCaptionBar();
    pageArea_ = ItemRectangle(Window(), IDC_PAGE_FRAME);
    pageCreation_.Make(kFirstShownPage);
    validateOnSelection_ = false;
    BuildCategoryTree();
    ShowPage(kFirstShownPage);
    return true;
}

// The window is created hidden and shown by the modal loop once it is idle. The other pages are
// made only then, and the wizard's timer is set only then, so that the wizard never opens over a
// window not yet on the screen.
void SettingsWindow::OnFirstShown(const WINDOWPOS& position) {
    if (shown_ || (position.flags & SWP_SHOWWINDOW) == 0) {
        return;
    }
    shown_ = true;
    ScheduleNextPage();
    if (model_.FirstRun()) {
        SetTimer(Window(), kFirstRunTimer, 1, nullptr);
    }
}

// A posted message is taken before input and painting, a timer tick after them. While a key or a
// click waits, the next page waits for a tick; what waits to be painted is painted first, so that
// the window is never left half drawn while the pages are made.
void SettingsWindow::ScheduleNextPage() {
    if (pageCreation_.AllMade()) {
        return;
    }
    if (HIWORD(GetQueueStatus(QS_KEY | QS_MOUSEBUTTON)) != 0) {
        SetTimer(Window(), kNextPageTimer, USER_TIMER_MINIMUM, nullptr);
        return;
    }
    RedrawWindow(Window(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    PostMessageW(Window(), kMakeNextPageMessage, 0, 0);
}

void SettingsWindow::MakeNextPage() {
    pageCreation_.MakeNext();
    ScheduleNextPage();
}

PageServices SettingsWindow::MakePageServices() {
    return PageServices{
        .record = services_.record,
        .files = services_.files,
        .messages = messages_,
        .processes = services_.processes,
        .registry = services_.registry,
        .plugins = services_.plugins,
        .host = *this,
        .translucencyAvailable = layeredWindows_.Available(),
        .wallpaper = wallpaper_,
    };
}

// The browser reads the unsaved values of the other pages: the page asked for is made if it is
// still missing, and only that one.
PageDialog* SettingsWindow::PageOf(int templateId) {
    const int index = PageIndexOf(templateId);
    if (index < 0) {
        return nullptr;
    }
    pageCreation_.Make(index);
    return pages_[index].dialog.get();
}

void SettingsWindow::MakePage(int pageIndex) {
    const PageRow& row = PageTable()[pageIndex];
    CreatedPage& page = pages_[pageIndex];
    page = row.create(MakePageServices(), row.templateId);
    page.dialog->CreateChild(Window(), Item(IDC_CATEGORY_TREE));
    page.dialog->ApplyDpi(Dpi()); // the window's DPI may have changed since it was made
    page.dialog->Place(pageArea_);
    if (page.settings != nullptr) {
        model_.AddPage({pageIndex, page.settings});
    }
}

void SettingsWindow::PlaceCaptionBar() {
    const RECT caption = ItemRectangle(Window(), IDC_CAPTION_FRAME);
    SetWindowPos(captionBar_.Window(), nullptr, caption.left, caption.top, caption.right - caption.left,
                 caption.bottom - caption.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    ShowWindow(captionBar_.Window(), SW_SHOWNA);
}

// The frames have been laid out with the window; the caption bar and the pages made so far are
// laid out at the DPI and placed on them, and the pages still to be made take the new page area.
void SettingsWindow::OnDpiChanged(int dpi) {
    captionBar_.ApplyDpi(dpi);
    PlaceCaptionBar();
    pageArea_ = ItemRectangle(Window(), IDC_PAGE_FRAME);
    for (const CreatedPage& page : pages_) {
        if (page.dialog) {
            page.dialog->ApplyDpi(dpi);
            page.dialog->Place(pageArea_);
        }
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

bool SettingsWindow::ConfirmRestart() {
    return messages_.Show(kRestartQuestion, MessageKind::Question) == MessageAnswer::Yes;
}

bool SettingsWindow::ConfirmDiscardChanges() {
    return messages_.Show(kDiscardChangesQuestion, MessageKind::Question) == MessageAnswer::Yes;
}

void SettingsWindow::ReportSaveFailure(SaveFailure failure) {
    messages_.Show(SaveFailureText(failure), MessageKind::Error);
}

void SettingsWindow::ReportPelavineNotStarted() { messages_.Show(kPelavineStartFailedMessage, MessageKind::Error); }

// A change of category makes every page still missing.
void SettingsWindow::ShowPage(int pageIndex) {
    if (pageIndex >= 0 && !pageCreation_.IsMade(pageIndex)) {
        pageCreation_.MakeAll();
    }
    captionBar_.SetIndex(pageIndex);
    for (const auto& page : pages_) {
        if (page.dialog != nullptr) {
            ShowWindow(page.dialog->Window(), SW_HIDE);
        }
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

bool SettingsWindow::OnButtonClicked(int id) {
    if (id == IDC_APPLY) {
        model_.Apply();
        return true;
    }
    return false;
}

// The first-run timer fires once, right after the window is shown; the page timer once per page
// made while the window has something to paint.
bool SettingsWindow::OnTimer(UINT_PTR timerId) {
    if (timerId != kFirstRunTimer && timerId != kNextPageTimer) {
        return false;
    }
    KillTimer(Window(), timerId);
    if (timerId == kFirstRunTimer) {
        RunFirstRunWizard();
    } else {
        MakeNextPage();
    }
    return true;
}

// A completed wizard has stored its pages into the record: the window's own instances show its
// values, and the folder page counts as changed so that OK saves them even without more changes.
// A cancelled one leaves the window as it was. The window's pages are all made first, so that each
// loads the record as it was before the wizard.
void SettingsWindow::RunFirstRunWizard() {
    pageCreation_.MakeAll();
    Wizard wizard(MakePageServices());
    if (wizard.RunModal(Window()) != IDOK) {
        return;
    }
    for (const int templateId : kWizardPageTemplates) {
        if (SettingsPage* page = pages_[PageIndexOf(templateId)].settings) {
            page->Reload();
        }
    }
    if (SettingsPage* folderPage = pages_[PageIndexOf(IDD_WALLPAPER_FOLDER)].settings) {
        folderPage->SetModified(true);
    }
}

bool SettingsWindow::OnPaint() {
    if (!IsIconic(Window())) {
        return false;
    }
    const PaintScope paint(Window());
    HDC dc = paint.Dc();
    SendMessageW(Window(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(Window(), &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, ProgramIcon(SM_CXICON, SM_CYICON));
    return true;
}

std::optional<INT_PTR> SettingsWindow::OnMessage(UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_WINDOWPOSCHANGED) {
        OnFirstShown(*reinterpret_cast<const WINDOWPOS*>(lParam));
        return std::nullopt; // the default handling still sizes and moves the window
    }
    if (message == kMakeNextPageMessage) {
        MakeNextPage();
        return TRUE;
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
