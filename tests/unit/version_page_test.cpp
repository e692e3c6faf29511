#include "fake_services.h"
#include "fake_shell_opener.h"
#include "pages/version_page.h"

#include <gtest/gtest.h>

namespace pelaconf {
namespace {

using testing::FakeMessageBoxes;
using testing::FakeShellOpener;

TEST(VersionPage, TheHomePageIsOpenedThroughTheShellWithoutAMessage) {
    FakeShellOpener shell;
    FakeMessageBoxes messages;
    OpenHomePage(shell, messages);
    EXPECT_EQ(shell.opened, std::vector<std::string>{kHomePageAddress});
    EXPECT_TRUE(messages.shown.empty());
}

TEST(VersionPage, AShellThatCannotOpenTheHomePageIsReportedAsAnError) {
    FakeShellOpener shell;
    shell.fail = true;
    FakeMessageBoxes messages;
    OpenHomePage(shell, messages);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].first, "ブラウザの起動に失敗しました。");
    EXPECT_EQ(messages.shown[0].second, MessageKind::Error);
}

} // namespace
} // namespace pelaconf
