// Pages as the real program opens them from stored values (the timer page's ranges, the Susie
// and other-settings pages' disabled controls), and the modified flags of the pages whose only
// change is one click: after an Apply, a change on that page alone makes Cancel ask and OK write.
#include "driver.h"
#include "journey_helpers.h"
#include "resource.h"
#include "settings_window_fixture.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>

namespace pelaconf::driver {
namespace {

class PageStatesTest : public SettingsWindowFixture {
protected:
    // Presses Apply and waits until it has restarted Pelavine once more.
    void ApplyNow() const {
        const size_t starts = folder.PelavineStarts().size();
        window->Click(IDC_APPLY);
        ASSERT_TRUE(WaitUntil([&] { return folder.PelavineStarts().size() == starts + 1; }));
    }
    LRESULT Send(int page, int control, UINT message) const {
        return SendMessageW(Page(page).Item(control), message, 0, 0);
    }
};

TEST_F(PageStatesTest, PagesOpenFromTheStoredValuesAndTheirOwnChangeAloneMakesCancelAsk) {
    Start(FolderLine() + "[Timer_Length]=86400\r\n[Susie_Use]=0\r\n[WaitDlg_Trans]=0\r\n");
    ShowPage("タイマ", IDD_TIMER);
    EXPECT_EQ(Send(IDD_TIMER, IDC_TIMER_INTERVAL, TBM_GETRANGEMIN), 1);
    EXPECT_EQ(Send(IDD_TIMER, IDC_TIMER_INTERVAL, TBM_GETRANGEMAX), 93);
    EXPECT_EQ(Send(IDD_TIMER, IDC_TIMER_INTERVAL, TBM_GETPOS), 93) << "86400 seconds";
    EXPECT_EQ(Send(IDD_TIMER, IDC_TIMER_HOUR_UPDOWN, UDM_GETRANGE), MAKELONG(23, 0));
    EXPECT_EQ(Send(IDD_TIMER, IDC_TIMER_MINUTE_UPDOWN, UDM_GETRANGE), MAKELONG(59, 0));
    ShowPage("Susieプラグイン", IDD_SUSIE);
    for (const int id :
         {IDC_SUSIE_FOLDER, IDC_SUSIE_INSTALL_FOLDER, IDC_SUSIE_BROWSE, IDC_SUSIE_PRIORITIES, IDC_SUSIE_REFRESH}) {
        EXPECT_FALSE(Page(IDD_SUSIE).IsItemEnabled(id)) << id;
    }
    ShowPage("その他", IDD_OTHER);
    EXPECT_TRUE(WaitUntil([&] { return !Page(IDD_OTHER).IsItemEnabled(IDC_OTHER_TRANSPARENCY); }));
    EXPECT_EQ(Send(IDD_OTHER, IDC_OTHER_TRANSPARENCY, TBM_GETPOS), 0);
    ApplyNow();

    const struct {
        const char* label;
        int templateId;
        std::function<void(const RemoteWindow&)> change;
        const char* written;
    } pages[] = {
        {"タイマ", IDD_TIMER,
         [](const RemoteWindow& page) {
             const char* const names[] = {"使用しない", "一定時間毎", "毎時指定時刻", "任意指定時刻"};
             for (int type = 0; type < 4; ++type) {
                 page.ChooseDropDownItem(IDC_TIMER_TYPE, type);
                 EXPECT_EQ(page.ItemText(IDC_TIMER_TYPE), names[type]);
             }
         },
         "[Timer_Type]=3"},
        {"タイマ停止", IDD_TIMER_STOP, [](const RemoteWindow& page) { page.Click(IDC_TIMER_STOP_FULL_SCREEN); },
         "[Timer_Stop_FullScreen]=1"},
        {"タスクトレイアイコン", IDD_TRAY_ICON,
         [](const RemoteWindow& page) { page.ChooseDropDownItem(IDC_TRAY_LEFT_SINGLE, 2); }, "[Left_Single]=2"},
        {"その他", IDD_OTHER, [](const RemoteWindow& page) { page.Click(IDC_OTHER_WAIT_WINDOW); },
         "[WaitDlg_Trans]=255"},
    };
    for (const auto& page : pages) {
        ShowPage(page.label, page.templateId);
        page.change(Page(page.templateId));
        window->Click(IDCANCEL);
        ASSERT_TRUE(pelaconf->Answer(expected::kDiscardQuestion, IDNO)) << page.label << ": Cancel did not ask";
        if (&page == &pages[std::size(pages) - 1]) {
            SaveWithOk();
        } else {
            ApplyNow();
        }
        EXPECT_TRUE(FileHasLine(folder, page.written)) << page.label;
    }
}

} // namespace
} // namespace pelaconf::driver
