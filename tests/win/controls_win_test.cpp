// The exchange rules of the control helpers on real controls.
#include "ui/controls.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace pelaconf {
namespace {

// A hidden top-level window holding controls made by the tests, destroyed with the fixture.
class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent_ = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(parent_, nullptr);
    }
    void TearDown() override { DestroyWindow(parent_); }
    void AddButton(int id, DWORD style) {
        ASSERT_NE(CreateWindowExW(0, L"Button", L"", WS_CHILD | style, 0, 0, 10, 10, parent_,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr),
                  nullptr);
    }
    void AddStatic(int id, DWORD style) {
        CreateWindowExW(0, L"Static", L"", WS_CHILD | style, 0, 0, 10, 10, parent_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
    HWND parent_ = nullptr;
};

TEST_F(ControlsTest, CheckBoxesShowOnlyZeroToTwoAndReadBackZeroOrOne) {
    AddButton(10, BS_AUTOCHECKBOX);
    const int expected[][2] = {{0, 0}, {1, 1}, {2, 1}, {7, 0}, {-1, 0}};
    for (const auto& [stored, shown] : expected) {
        SetCheckBox(parent_, 10, stored);
        EXPECT_EQ(GetCheckBox(parent_, 10), shown) << stored;
    }
}

TEST_F(ControlsTest, ARadioGroupCountsOnlyItsRadioButtonsUpToTheNextGroup) {
    AddButton(20, BS_AUTORADIOBUTTON | WS_GROUP);
    AddStatic(21, 0); // not a radio button: not counted
    AddButton(22, BS_AUTORADIOBUTTON);
    AddButton(23, BS_AUTORADIOBUTTON);
    AddButton(30, BS_AUTORADIOBUTTON | WS_GROUP); // the next group
    EXPECT_EQ(GetRadioGroupIndex(parent_, 20), -1);
    SetRadioGroupIndex(parent_, 20, 2);
    EXPECT_EQ(SendDlgItemMessageW(parent_, 23, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(GetRadioGroupIndex(parent_, 20), 2);
    SetRadioGroupIndex(parent_, 20, 3); // beyond the group: no button checked
    EXPECT_EQ(GetRadioGroupIndex(parent_, 20), -1);
    EXPECT_EQ(SendDlgItemMessageW(parent_, 30, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(ControlsTest, TextIsExchangedAsUtf8) {
    AddStatic(40, 0);
    SetItemText(parent_, 40, "壁紙フォルダ\\表");
    EXPECT_EQ(GetItemText(parent_, 40), "壁紙フォルダ\\表");
}

} // namespace
} // namespace pelaconf
