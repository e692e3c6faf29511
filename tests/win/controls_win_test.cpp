// The exchange rules of the control helpers on real controls.
#include "pages/hotkey_page.h"
#include "ui/controls.h"
#include "ui/dpi.h"
#include "ui/link_button.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace pelaconf {
namespace {

// A hidden top-level window holding controls made by the tests, destroyed with the fixture.
class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
        InitCommonControlsEx(&classes);
        parent_ = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(parent_, nullptr);
    }
    void TearDown() override { DestroyWindow(parent_); }
    void AddButton(int id, DWORD style) {
        ASSERT_NE(CreateWindowExW(0, L"Button", L"", WS_CHILD | style, 0, 0, 10, 10, parent_,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr),
                  nullptr);
    }
    void AddControl(const wchar_t* className, int id, DWORD style) {
        ASSERT_NE(CreateWindowExW(0, className, L"", WS_CHILD | style, 0, 0, 100, 100, parent_,
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
    // Each direction is checked against the control's own wide text, so a pair of helpers that
    // agree on a wrong encoding fails.
    AddStatic(40, 0);
    SetItemText(parent_, 40, "壁紙フォルダ\\表");
    wchar_t shown[32] = {};
    GetDlgItemTextW(parent_, 40, shown, 32);
    EXPECT_STREQ(shown, L"壁紙フォルダ\\表");
    SetDlgItemTextW(parent_, 40, L"毎時指定時刻\\ü");
    EXPECT_EQ(GetItemText(parent_, 40), "毎時指定時刻\\ü");
}

TEST_F(ControlsTest, ADropDownListIsRefilledInOrderAndReadsMinusOneWithoutSelection) {
    AddControl(L"ComboBox", 50, CBS_DROPDOWNLIST);
    FillDropDown(parent_, 50, {"古い", "項目"});
    FillDropDown(parent_, 50, {"使用しない", "一定時間毎", "毎時指定時刻"});
    EXPECT_EQ(SendDlgItemMessageW(parent_, 50, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(GetDropDownIndex(parent_, 50), -1);
    SetDropDownIndex(parent_, 50, 2);
    EXPECT_EQ(GetDropDownIndex(parent_, 50), 2);
    wchar_t text[16] = {};
    SendDlgItemMessageW(parent_, 50, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"一定時間毎");
}

TEST_F(ControlsTest, ATrackbarKeepsItsPositionWithinItsRange) {
    AddControl(TRACKBAR_CLASSW, 60, TBS_HORZ);
    SetTrackbarRange(parent_, 60, 1, 93);
    SetTrackbarPosition(parent_, 60, 65);
    EXPECT_EQ(GetTrackbarPosition(parent_, 60), 65);
    SetTrackbarPosition(parent_, 60, 200);
    EXPECT_EQ(GetTrackbarPosition(parent_, 60), 93);
    SetTrackbarPosition(parent_, 60, 0);
    EXPECT_EQ(GetTrackbarPosition(parent_, 60), 1);
}

TEST_F(ControlsTest, ASortedListBoxKeepsEachValueWithItsText) {
    AddControl(L"ListBox", 70, LBS_SORT | LBS_HASSTRINGS);
    FillListBox(parent_, 70, {{"毎時 45 分", 45}, {"毎時 05 分", 5}, {"毎時 30 分", 30}});
    EXPECT_EQ(GetSelectedListBoxValue(parent_, 70), std::nullopt);
    SelectListBoxValue(parent_, 70, 30);
    EXPECT_EQ(GetSelectedListBoxValue(parent_, 70), 30);
    const LRESULT selected = SendDlgItemMessageW(parent_, 70, LB_GETCURSEL, 0, 0);
    EXPECT_EQ(selected, 1) << "sorted by text";
    wchar_t text[16] = {};
    SendDlgItemMessageW(parent_, 70, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"毎時 30 分");
    FillListBox(parent_, 70, {{"毎時 00 分", 0}});
    EXPECT_EQ(SendDlgItemMessageW(parent_, 70, LB_GETCOUNT, 0, 0), 1) << "refilling replaces the entries";
}

TEST_F(ControlsTest, AnIntegerFieldReadsNothingUnlessItHoldsANumber) {
    AddControl(L"Edit", 80, 0);
    SetItemInt(parent_, 80, 7);
    EXPECT_EQ(GetItemText(parent_, 80), "7");
    EXPECT_EQ(GetItemInt(parent_, 80), 7);
    SetItemText(parent_, 80, " 12 ");
    EXPECT_EQ(GetItemInt(parent_, 80), 12);
    SetItemText(parent_, 80, "-3");
    EXPECT_EQ(GetItemInt(parent_, 80), -3);
    for (const char* text : {"", "  ", "abc", "12abc", "1 2", "99999999999"}) {
        SetItemText(parent_, 80, text);
        EXPECT_EQ(GetItemInt(parent_, 80), std::nullopt) << text;
    }
}

TEST_F(ControlsTest, AGrownControlKeepsItsPlace) {
    AddStatic(90, 0);
    SetWindowPos(GetDlgItem(parent_, 90), nullptr, 5, 6, 50, 20, SWP_NOZORDER);
    GrowItemHeight(parent_, 90, 4);
    RECT bounds{};
    GetWindowRect(GetDlgItem(parent_, 90), &bounds);
    MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&bounds), 2);
    EXPECT_EQ(bounds.left, 5);
    EXPECT_EQ(bounds.top, 6);
    EXPECT_EQ(bounds.right - bounds.left, 50);
    EXPECT_EQ(bounds.bottom - bounds.top, 24);
}

// Types a key into a control as the keyboard would, with the modifier keys held around it.
int TypeHotkey(HWND control, std::initializer_list<UINT> held, UINT key) {
    const auto send = [control](UINT virtualKey, bool down) {
        const UINT message =
            virtualKey == VK_MENU ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
        SendMessageW(control, message, virtualKey, down ? 1 : 0xC0000001);
    };
    for (const UINT modifier : held) {
        send(modifier, true);
    }
    send(key, true);
    send(key, false);
    for (const UINT modifier : held) {
        send(modifier, false);
    }
    return LOWORD(SendMessageW(control, HKM_GETHOTKEY, 0, 0));
}

TEST_F(ControlsTest, AHotkeyControlHoldsSixteenBitsAndGivesKeysTypedWithTooFewModifiersCtrlAlt) {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&classes);
    AddControl(HOTKEY_CLASSW, 70, 0);
    SetHotkey(parent_, 70, 0x10470);
    EXPECT_EQ(GetHotkey(parent_, 70), 0x0470) << "Alt+F1, without the bits beyond a hot-key code";

    SetHotkeyRules(parent_, 70, kRefusedHotkeyModifiers, kReplacementHotkeyModifiers);
    HWND control = GetDlgItem(parent_, 70);
    constexpr int kCtrlAltA = ((HOTKEYF_CONTROL | HOTKEYF_ALT) << 8) | 'A';
    EXPECT_EQ(TypeHotkey(control, {}, 'A'), kCtrlAltA);
    EXPECT_EQ(TypeHotkey(control, {VK_SHIFT}, 'A'), kCtrlAltA);
    EXPECT_EQ(TypeHotkey(control, {VK_CONTROL}, 'A'), kCtrlAltA);
    EXPECT_EQ(TypeHotkey(control, {VK_MENU}, 'A'), (HOTKEYF_ALT << 8) | 'A');
    EXPECT_EQ(TypeHotkey(control, {VK_CONTROL, VK_SHIFT}, 'A'), ((HOTKEYF_CONTROL | HOTKEYF_SHIFT) << 8) | 'A');
}

// The link is drawn on its own background every time, so drawing it again changes nothing, and
// it shows the focus cue only with the focus, unless the system hides cues until a key is used.
TEST_F(ControlsTest, ALinkIsDrawnOnACleanBackgroundWithAFocusCueOnlyWhenFocused) {
    AddButton(1, BS_OWNERDRAW);
    const HWND button = GetDlgItem(parent_, 1);
    SetWindowTextW(button, L"http://x");
    constexpr int kWidth = 60;
    constexpr int kHeight = 16;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bitmap, nullptr);
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    PatBlt(dc, 0, 0, kWidth, kHeight, BLACKNESS);
    const auto draw = [&](UINT state) {
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = state;
        item.hwndItem = button;
        item.hDC = dc;
        item.rcItem = {0, 0, kWidth, kHeight};
        DrawLinkButton(item, kDesignDpi);
        GdiFlush();
        const auto* pixels = static_cast<const uint32_t*>(bits);
        return std::vector<uint32_t>(pixels, pixels + kWidth * kHeight);
    };
    const auto plain = draw(0);
    EXPECT_EQ(std::count(plain.begin(), plain.end(), 0u), 0) << "the black ground is cleared";
    EXPECT_EQ(draw(0), plain) << "drawn again, the text does not grow";
    EXPECT_NE(draw(ODS_FOCUS), plain) << "the focus cue";
    EXPECT_EQ(draw(0), plain) << "the cue goes with the focus";
    EXPECT_EQ(draw(ODS_FOCUS | ODS_NOFOCUSRECT), plain) << "a cue hidden until a key is used";
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

} // namespace
} // namespace pelaconf
