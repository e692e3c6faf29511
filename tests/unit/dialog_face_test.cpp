// The face a dialog is drawn in.
#include "platform/dialog_face.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace pelaconf {
namespace {

std::string ChooseAmong(const std::set<std::string>& installed) {
    return ChooseDialogFace("ＭＳ Ｐゴシック", "Segoe UI",
                            [&](std::string_view face) { return installed.count(std::string(face)) != 0; });
}

TEST(DialogFace, TheTemplatesFaceWhereInstalledThenTheStandInsInOrderThenTheMessageFont) {
    EXPECT_EQ(ChooseAmong({"ＭＳ Ｐゴシック", "Yu Gothic UI"}), "ＭＳ Ｐゴシック");
    EXPECT_EQ(ChooseAmong({"Yu Gothic UI", "Meiryo UI", "MS UI Gothic"}), "Yu Gothic UI");
    EXPECT_EQ(ChooseAmong({"Meiryo UI", "MS UI Gothic"}), "Meiryo UI");
    EXPECT_EQ(ChooseAmong({"MS UI Gothic"}), "MS UI Gothic");
    EXPECT_EQ(ChooseAmong({"Arial"}), "Segoe UI");
}

} // namespace
} // namespace pelaconf
