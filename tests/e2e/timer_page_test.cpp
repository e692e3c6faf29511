// The timer page through the real program: stored timer settings written back cleaned, the
// controls of each timer type, the slider, and adding to and removing from the time lists.
#include "driver.h"
#include "journey_helpers.h"
#include "resource.h"
#include "settings_window_fixture.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace pelaconf::driver {
namespace {

// Every control that one timer type or another shows; the rest of the page is always shown.
const int kTimerControls[] = {
    IDC_TIMER_INTERVAL,      IDC_TIMER_INTERVAL_TEXT, IDC_TIMER_HOURLY_LIST, IDC_TIMER_TIME_OF_DAY_LIST,
    IDC_TIMER_ADD,           IDC_TIMER_REMOVE,        IDC_TIMER_ENTRY_FRAME, IDC_TIMER_EVERY_HOUR,
    IDC_TIMER_HOUR,          IDC_TIMER_HOUR_UPDOWN,   IDC_TIMER_HOUR_LABEL,  IDC_TIMER_MINUTE,
    IDC_TIMER_MINUTE_UPDOWN, IDC_TIMER_MINUTE_LABEL,
};

std::set<int> VisibleTimerControls(const RemoteWindow& page) {
    std::set<int> visible;
    for (const int id : kTimerControls) {
        if (page.IsItemVisible(id)) {
            visible.insert(id);
        }
    }
    return visible;
}

std::string Replaced(std::string text, const std::string& line, const std::string& by) {
    const size_t at = text.find(line);
    return at == std::string::npos ? text : text.replace(at, line.size(), by);
}

// The control that has the keyboard focus in the window's thread.
HWND FocusOf(const RemoteWindow& window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window.Handle(), nullptr), &info);
    return info.hwndFocus;
}

class TimerPageTest : public SettingsWindowFixture {
protected:
    void ShowTimerPage() { ShowPage("タイマ", IDD_TIMER); }
};

TEST_F(TimerPageTest, SavingAnotherPageWritesTheTimerListsCleanedAndChangesNothingElse) {
    Start(FolderLine() +
          "[Timer_Type]=2\r\n[Timer_Length]=5400\r\n[Timer1_List]=5,,00,abc,61,5,0\r\n[Timer2_List]=1439,0,720\r\n");
    ASSERT_TRUE(FileHasLine(folder, "[Timer1_List]=5,,00,abc,61,5,0")) << "the start writes the lists as read";
    ShowPage("表示順", IDD_DISPLAY_ORDER);
    Page(IDD_DISPLAY_ORDER).Click(IDC_ORDER_DESCENDING);
    ASSERT_TRUE(WaitUntil([&] { return Page(IDD_DISPLAY_ORDER).IsChecked(IDC_ORDER_DESCENDING); }));
    SaveWithOk();

    std::string expected = Replaced(written, "[Turn_Type]=0\r\n", "[Turn_Type]=1\r\n");
    expected = Replaced(expected, "[Timer1_List]=5,,00,abc,61,5,0\r\n", "[Timer1_List]=0,5\r\n");
    expected = Replaced(expected, "[Timer2_List]=1439,0,720\r\n", "[Timer2_List]=0,720,1439\r\n");
    EXPECT_EQ(folder.Read("Pelavine.ini").value_or(""), expected);
    EXPECT_TRUE(FileHasLine(folder, "[Timer_Length]=5400"));
    EXPECT_TRUE(FileHasLine(folder, "[Timer_Type]=2"));
}

TEST_F(TimerPageTest, EachTimerTypeShowsExactlyItsControlsAndTheSliderStoresItsInterval) {
    Start(FolderLine() + "[Timer_Type]=9\r\n[Timer_Length]=5400\r\n[Timer1_List]=5,0\r\n");
    ShowTimerPage();
    const RemoteWindow page = Page(IDD_TIMER);
    EXPECT_EQ(page.DropDownIndex(IDC_TIMER_TYPE), -1) << "a type the list does not hold selects nothing";
    EXPECT_TRUE(VisibleTimerControls(page).empty());

    const std::set<int> entry{IDC_TIMER_ADD,    IDC_TIMER_REMOVE,        IDC_TIMER_ENTRY_FRAME,
                              IDC_TIMER_MINUTE, IDC_TIMER_MINUTE_UPDOWN, IDC_TIMER_MINUTE_LABEL};
    std::set<int> hourly = entry;
    hourly.insert({IDC_TIMER_HOURLY_LIST, IDC_TIMER_EVERY_HOUR});
    std::set<int> timeOfDay = entry;
    timeOfDay.insert({IDC_TIMER_TIME_OF_DAY_LIST, IDC_TIMER_HOUR, IDC_TIMER_HOUR_UPDOWN, IDC_TIMER_HOUR_LABEL});
    const struct {
        std::set<int> shown;
        std::string helpStart;
    } types[] = {
        {{}, "タイマによる壁紙変更を行いません。\n"},
        {{IDC_TIMER_INTERVAL, IDC_TIMER_INTERVAL_TEXT}, "壁紙を一定時間毎に変更します。\n"},
        {hourly, "壁紙を毎時指定した時刻に変更します。\n"},
        {timeOfDay, "壁紙を指定した時刻に変更します。\n"},
    };
    for (int type = 0; type < 4; ++type) {
        page.ChooseDropDownItem(IDC_TIMER_TYPE, type);
        ASSERT_TRUE(WaitUntil([&] { return page.ItemText(IDC_HELP_TEXT).starts_with(types[type].helpStart); })) << type;
        EXPECT_EQ(VisibleTimerControls(page), types[type].shown) << type;
    }
    EXPECT_EQ(page.ListBoxTexts(IDC_TIMER_HOURLY_LIST), (std::vector<std::string>{"毎時 00 分", "毎時 05 分"}));

    page.ChooseDropDownItem(IDC_TIMER_TYPE, 1);
    EXPECT_EQ(page.ItemText(IDC_TIMER_INTERVAL_TEXT), "01 時間 30 分 00 秒 間隔で壁紙を変更する");
    page.PressKey(IDC_TIMER_INTERVAL, VK_NEXT); // one page: five positions
    EXPECT_TRUE(WaitUntil(
        [&] { return page.ItemText(IDC_TIMER_INTERVAL_TEXT) == "04 時間 00 分 00 秒 間隔で壁紙を変更する"; }));
    SaveWithOk();
    EXPECT_TRUE(FileHasLine(folder, "[Timer_Type]=1"));
    EXPECT_TRUE(FileHasLine(folder, "[Timer_Length]=14400"));
}

TEST_F(TimerPageTest, AFullListRefusesATwentyFirstTimeAndRemovingOneMakesRoom) {
    std::string times = "750"; // 12:30, then one minute past each hour from 0 to 18
    for (int hour = 0; hour < 19; ++hour) {
        times += "," + std::to_string(hour * 60 + 1);
    }
    Start(FolderLine() + "[Timer_Type]=3\r\n[Timer2_List]=" + times + "\r\n");
    ShowTimerPage();
    const RemoteWindow page = Page(IDD_TIMER);
    ASSERT_EQ(page.ListBoxTexts(IDC_TIMER_TIME_OF_DAY_LIST).size(), 20u);

    page.SetItemText(IDC_TIMER_HOUR, "1");
    page.SetItemText(IDC_TIMER_MINUTE, "15");
    page.Click(IDC_TIMER_ADD);
    ASSERT_TRUE(pelaconf->Answer("これ以上追加できません", IDOK));
    EXPECT_EQ(page.ListBoxTexts(IDC_TIMER_TIME_OF_DAY_LIST).size(), 20u);

    page.SetItemText(IDC_TIMER_MINUTE, "75");
    page.Click(IDC_TIMER_ADD);
    ASSERT_TRUE(pelaconf->Answer("0 から 59 までの数値を入力して下さい", IDOK));
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(page) == page.Item(IDC_TIMER_MINUTE); }));
    EXPECT_EQ(SendMessageW(page.Item(IDC_TIMER_MINUTE), EM_GETSEL, 0, 0), MAKELRESULT(0, 2))
        << "the refused text is selected, ready to be typed over";
    page.SetItemText(IDC_TIMER_HOUR, "24");
    page.Click(IDC_TIMER_ADD);
    ASSERT_TRUE(pelaconf->Answer("0 から 23 までの数値を入力して下さい", IDOK));
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(page) == page.Item(IDC_TIMER_HOUR); }));

    // 12:30 lies below the first screenful, so selecting it scrolls the list.
    ASSERT_TRUE(page.SelectListBoxItem(IDC_TIMER_TIME_OF_DAY_LIST, "12 時 30 分"));
    const HWND list = page.Item(IDC_TIMER_TIME_OF_DAY_LIST);
    const LRESULT top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
    ASSERT_GT(top, 0);
    page.Click(IDC_TIMER_REMOVE);
    ASSERT_TRUE(WaitUntil([&] { return page.ListBoxTexts(IDC_TIMER_TIME_OF_DAY_LIST).size() == 19u; }));
    EXPECT_EQ(page.ItemText(IDC_TIMER_HOUR), "12");
    EXPECT_EQ(page.ItemText(IDC_TIMER_MINUTE), "30");
    EXPECT_EQ(page.SelectedListBoxText(IDC_TIMER_TIME_OF_DAY_LIST), "13 時 01 分") << "the neighbour";
    EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), top) << "the list does not jump";
    page.SetItemText(IDC_TIMER_HOUR, "13");
    page.SetItemText(IDC_TIMER_MINUTE, "1");
    page.Click(IDC_TIMER_ADD);
    ASSERT_TRUE(pelaconf->Answer("その時刻は既に追加されています", IDOK));

    // A step up from 10:59 carries into the hour.
    page.SetItemText(IDC_TIMER_HOUR, "10");
    page.SetItemText(IDC_TIMER_MINUTE, "59");
    page.PressKey(IDC_TIMER_MINUTE, VK_UP);
    ASSERT_TRUE(WaitUntil([&] { return page.ItemText(IDC_TIMER_HOUR) == "11"; }));
    EXPECT_EQ(page.ItemText(IDC_TIMER_MINUTE), "0");
    page.Click(IDC_TIMER_ADD);
    ASSERT_TRUE(WaitUntil([&] { return page.ListBoxTexts(IDC_TIMER_TIME_OF_DAY_LIST).size() == 20u; }));
    EXPECT_EQ(page.SelectedListBoxText(IDC_TIMER_TIME_OF_DAY_LIST), "11 時 00 分");

    SaveWithOk();
    std::string stored = "1";
    for (int hour = 1; hour < 19; ++hour) {
        stored += (hour == 11 ? ",660," : ",") + std::to_string(hour * 60 + 1);
    }
    EXPECT_TRUE(FileHasLine(folder, "[Timer2_List]=" + stored));
}

} // namespace
} // namespace pelaconf::driver
