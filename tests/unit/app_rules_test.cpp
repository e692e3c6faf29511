#include "app/categories.h"
#include "app/command_line.h"

#include <gtest/gtest.h>

namespace pelaconf {
namespace {

TEST(Categories, ThreeGroupsHeadTheirChildrenAndTwoStandAlone) {
    std::array<int, kCategoryCount> children{};
    for (const auto& category : Categories()) {
        if (category.parentIndex >= 0) {
            ASSERT_EQ(Categories()[category.parentIndex].parentIndex, -1) << "one level of children only";
            ++children[category.parentIndex];
        }
    }
    EXPECT_EQ(children[0], 4);
    EXPECT_EQ(children[5], 4);
    EXPECT_EQ(children[10], 5);
    EXPECT_EQ(Categories()[16].parentIndex, -1);
    EXPECT_EQ(Categories()[17].parentIndex, -1);
    EXPECT_EQ(Categories()[16].templateId, 114);
}

TEST(Categories, CaptionLabelFallsBackToErrorOutsideTheRange) {
    EXPECT_EQ(CaptionLabel(0), "基本設定");
    EXPECT_EQ(CaptionLabel(17), "バージョン");
    EXPECT_EQ(CaptionLabel(-1), "エラー");
    EXPECT_EQ(CaptionLabel(18), "エラー");
}

TEST(CommandLine, TheFirstArgumentThatIsNoSwitchIsTheImagePath) {
    using Args = std::vector<std::string>;
    EXPECT_FALSE(FindImagePath(Args{}).has_value());
    EXPECT_FALSE(FindImagePath(Args{"/nochange", "-x"}).has_value());
    EXPECT_EQ(FindImagePath(Args{"/nochange", "C:\\My Pictures\\a.jpg", "b.jpg"}), "C:\\My Pictures\\a.jpg");
    EXPECT_EQ(FindImagePath(Args{"", "a.jpg"}), "") << "an empty argument is not a switch";
}

} // namespace
} // namespace pelaconf
