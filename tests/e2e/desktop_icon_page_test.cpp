// The desktop icon page through the real program: the always box follows the after-change box
// and both are stored back into one value.
#include "driver.h"
#include "journey_helpers.h"
#include "resource.h"
#include "settings_window_fixture.h"

#include <gtest/gtest.h>

namespace pelaconf::driver {
namespace {

class DesktopIconPageTest : public SettingsWindowFixture {};

TEST_F(DesktopIconPageTest, ClearingTheAfterChangeBoxClearsAndDisablesTheAlwaysBoxAndStoresZero) {
    Start(FolderLine() + "[Icon_Trance]=2\r\n");
    ShowPage("デスクトップアイコン", IDD_DESKTOP_ICON);
    const RemoteWindow page = Page(IDD_DESKTOP_ICON);
    EXPECT_TRUE(page.IsChecked(IDC_ICON_TRANSPARENT_AFTER_CHANGE));
    EXPECT_TRUE(page.IsChecked(IDC_ICON_TRANSPARENT_ALWAYS));
    EXPECT_TRUE(page.IsItemEnabled(IDC_ICON_TRANSPARENT_ALWAYS));

    page.Click(IDC_ICON_TRANSPARENT_AFTER_CHANGE);
    EXPECT_TRUE(WaitUntil([&] { return !page.IsItemEnabled(IDC_ICON_TRANSPARENT_ALWAYS); }));
    EXPECT_FALSE(page.IsChecked(IDC_ICON_TRANSPARENT_AFTER_CHANGE));
    EXPECT_FALSE(page.IsChecked(IDC_ICON_TRANSPARENT_ALWAYS));

    SaveWithOk();
    EXPECT_TRUE(FileHasLine(folder, "[Icon_Trance]=0"));
}

} // namespace
} // namespace pelaconf::driver
