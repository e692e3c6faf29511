#include "desktop/desktop_icon_page.h"
#include "settings/settings_record.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace pelaconf {
namespace {

DesktopIconModel Loaded(int iconTrance) {
    SettingsRecord record("C:\\Pelavine");
    record.Icon_Trance = iconTrance;
    DesktopIconModel model;
    model.Load(record);
    return model;
}

int Stored(const DesktopIconModel& model) {
    SettingsRecord record("C:\\Pelavine");
    record.Icon_Trance = 7;
    model.Store(record);
    return record.Icon_Trance;
}

TEST(DesktopIconModel, EachStoredValueLoadsAsItsBoxesAndStoresBack) {
    const DesktopIconModel both = Loaded(2);
    EXPECT_EQ(both.afterChange, 1);
    EXPECT_EQ(both.always, 1);
    EXPECT_TRUE(both.AlwaysEnabled());
    EXPECT_EQ(Stored(both), 2);

    const DesktopIconModel afterChange = Loaded(1);
    EXPECT_EQ(afterChange.afterChange, 1);
    EXPECT_EQ(afterChange.always, 0);
    EXPECT_EQ(Stored(afterChange), 1);

    for (int outOfRange : {0, 3, -1}) {
        const DesktopIconModel none = Loaded(outOfRange);
        EXPECT_EQ(none.afterChange, 0) << outOfRange;
        EXPECT_EQ(none.always, 0) << outOfRange;
        EXPECT_FALSE(none.AlwaysEnabled()) << outOfRange;
        EXPECT_EQ(Stored(none), 0) << outOfRange;
    }
}

TEST(DesktopIconModel, ClearingTheAfterChangeBoxClearsAndDisablesTheAlwaysBoxAndModifies) {
    DesktopIconModel model = Loaded(2);
    model.afterChange = 0; // as read from the controls after the click
    EXPECT_TRUE(model.ClickAfterChange());
    EXPECT_EQ(model.always, 0);
    EXPECT_FALSE(model.AlwaysEnabled());
    EXPECT_EQ(Stored(model), 0);

    model.afterChange = 1;
    EXPECT_TRUE(model.ClickAfterChange());
    EXPECT_TRUE(model.AlwaysEnabled());
    EXPECT_EQ(model.always, 0) << "turning the after-change box on does not bring the always box back";
    EXPECT_EQ(Stored(model), 1);
}

TEST(DesktopIconModel, TheAlwaysBoxOnlyModifiesAndShowingThePageOnlyAppliesTheEnablingRule) {
    DesktopIconModel model = Loaded(1);
    model.always = 1;
    EXPECT_TRUE(model.ClickAlways());
    EXPECT_EQ(model.always, 1);
    EXPECT_EQ(Stored(model), 2);

    EXPECT_FALSE(model.Show()) << "a page that is only shown is not modified";
    EXPECT_EQ(model.always, 1);

    // An always box left on while the after-change box is off is cleared when the page shows.
    model.afterChange = 0;
    EXPECT_FALSE(model.Show());
    EXPECT_EQ(model.always, 0);
    EXPECT_FALSE(model.AlwaysEnabled());
}

TEST(DesktopIconModel, HelpTextHasNineLinesWithTheSecondAndSixthEmpty) {
    const std::string_view text = DesktopIconHelpText();
    ASSERT_TRUE(text.ends_with("\n"));
    std::vector<std::string_view> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], "デスクトップのアイコン文字の背景色を透明にする設定です。");
    EXPECT_TRUE(lines[1].empty());
    EXPECT_EQ(lines[4], "背景を透明にします。");
    EXPECT_TRUE(lines[5].empty());
    EXPECT_EQ(lines[8], "常に監視し、透明色が解除されたら直ちに透明に戻します。");
}

} // namespace
} // namespace pelaconf
