// The desktop icon page through the real program: the always box follows the after-change box
// and both are stored back into one value.
#include "driver.h"
#include "journey_helpers.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace pelaconf::driver {
namespace {

constexpr char kRestartQuestion[] = "設定の変更を反映するためにPelavineを再起動しますか？";

TEST(DesktopIconPageTest, ClearingTheAfterChangeBoxClearsAndDisablesTheAlwaysBoxAndStoresZero) {
    InstallFolder folder{TestName()};
    folder.Write("Pelavine.ini", "[Wall_Dir_Path]=" + WideToUtf8(folder.Path()) + "\r\n[Icon_Trance]=2\r\n");
    PelaconfProcess pelaconf(folder);
    const std::optional<RemoteWindow> window = pelaconf.WaitForSettingsWindow();
    ASSERT_TRUE(window);
    const RemoteWindow page = window->Child(IDD_DESKTOP_ICON);
    ASSERT_TRUE(window->SelectTreeItem(IDC_CATEGORY_TREE, "デスクトップアイコン"));
    ASSERT_TRUE(WaitUntil([&] { return page.IsVisible(); }));
    EXPECT_TRUE(page.IsChecked(IDC_ICON_TRANSPARENT_AFTER_CHANGE));
    EXPECT_TRUE(page.IsChecked(IDC_ICON_TRANSPARENT_ALWAYS));
    EXPECT_TRUE(page.IsItemEnabled(IDC_ICON_TRANSPARENT_ALWAYS));

    page.Click(IDC_ICON_TRANSPARENT_AFTER_CHANGE);
    EXPECT_TRUE(WaitUntil([&] { return !page.IsItemEnabled(IDC_ICON_TRANSPARENT_ALWAYS); }));
    EXPECT_FALSE(page.IsChecked(IDC_ICON_TRANSPARENT_AFTER_CHANGE));
    EXPECT_FALSE(page.IsChecked(IDC_ICON_TRANSPARENT_ALWAYS));

    window->Click(IDOK);
    ASSERT_TRUE(pelaconf.Answer(kRestartQuestion, IDNO));
    ASSERT_TRUE(pelaconf.WaitForExit());
    EXPECT_TRUE(FileHasLine(folder, "[Icon_Trance]=0"));
}

} // namespace
} // namespace pelaconf::driver
