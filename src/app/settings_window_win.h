#pragma once
// The settings window: the category tree, the caption bar, the pages of the page table and OK,
// Cancel and Apply. The rules of saving live in SettingsWindowModel, those of when a page is made
// in PageCreation; this class moves between the window and them.

#include "app/caption_bar_win.h"
#include "app/fade.h"
#include "app/fade_thread_win.h"
#include "app/page_creation.h"
#include "app/settings_window_model.h"
#include "pages/page_table_win.h"
#include "ui/dialog.h"

#include <commctrl.h>

#include <vector>

namespace pelaconf {

class LayeredWindowLibrary;
class MessageBoxes;
struct WallpaperServices;

class SettingsWindow : public Dialog, private SettingsWindowHost, private PageHost {
public:
    // messages: where the window and its pages show their messages and questions.
    // wallpaper: what the browser page applies a wallpaper with; null leaves its button without effect.
    SettingsWindow(SettingsWindowServices services, MessageBoxes& messages, const LayeredWindowLibrary& layeredWindows,
                   const WallpaperServices* wallpaper = nullptr);
    ~SettingsWindow() override;

    // Set before the window runs when Pelavine.ini could not be read.
    void SetFirstRun(bool firstRun) { model_.SetFirstRun(firstRun); }
    // Selects the category's tree item as a click would; an index without an item does nothing.
    void SelectCategory(int pageIndex);

protected:
    bool OnInit() override;
    bool OnButtonClicked(int id) override;
    std::optional<LRESULT> OnNotify(const NMHDR& header) override;
    bool OnTimer(UINT_PTR timerId) override;
    bool OnPaint() override;
    void OnOk() override { model_.Ok(); }
    void OnCancel() override { model_.Cancel(); }
    void OnDestroy() override;
    void OnDpiChanged(int dpi) override;
    std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void MakeMissingPages() override { pageCreation_.MakeAll(); }
    void ShowPageAfterFailedValidation(int pageIndex) override;
    bool ConfirmRestart() override;
    bool ConfirmDiscardChanges() override;
    void ReportSaveFailure(SaveFailure failure) override;
    void ReportPelavineNotStarted() override;
    void SelectCategoryOf(int templateId) override { SelectCategory(PageIndexOf(templateId)); }
    PageDialog* PageOf(int templateId) override;
    PageServices MakePageServices();
    void MakePage(int pageIndex);
    void OnFirstShown(const WINDOWPOS& position);
    void ScheduleNextPage();
    void MakeNextPage();
    void RunFirstRunWizard();
    void PlaceCaptionBar();
    void BuildCategoryTree();
    void ShowPage(int pageIndex);
    int PageIndexOfItem(HTREEITEM item) const;

    SettingsWindowServices services_;
    MessageBoxes& messages_;
    const LayeredWindowLibrary& layeredWindows_;
    const WallpaperServices* wallpaper_;
    FadeState fade_;
    FadeThread fadeThread_;
    SettingsWindowModel model_;
    CaptionBar captionBar_;
    std::vector<CreatedPage> pages_; // by page index; empty until made
    PageCreation pageCreation_;
    RECT pageArea_{};
    std::vector<HTREEITEM> treeItems_; // by page index
    bool validateOnSelection_ = false;
    bool shown_ = false;
};

} // namespace pelaconf
