#include "fake_shell_opener.h"
#include "pages/version_page.h"

#include <gtest/gtest.h>

namespace pelaconf {
namespace {

using testing::FakeShellOpener;

TEST(VersionPage, TheHomePageIsOpenedThroughTheShell) {
    FakeShellOpener shell;
    EXPECT_EQ(OpenHomePage(shell), HomePageOpening::Opened);
    EXPECT_EQ(shell.opened, std::vector<std::string>{kHomePageAddress});
}

TEST(VersionPage, AShellThatCannotOpenTheHomePageIsReportedAsABrowserFailure) {
    FakeShellOpener shell;
    shell.fail = true;
    EXPECT_EQ(OpenHomePage(shell), HomePageOpening::BrowserFailed);
}

} // namespace
} // namespace pelaconf
