// The desktop finders and the icon-label transparency against a desktop made by the test:
// a "Progman" window titled "Program Manager" holding a shell view and a real list view.
#include "desktop/desktop_windows_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace pelaconf {
namespace {

void RegisterWindowClass(const wchar_t* name) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = name;
    RegisterClassW(&windowClass); // a second registration of the same class fails harmlessly
}

// Without the shell view the view sits right under the Program Manager, where it is not the
// desktop's.
class FakeDesktop {
public:
    explicit FakeDesktop(bool withShellView = true, const wchar_t* viewClass = WC_LISTVIEWW) {
        RegisterWindowClass(L"Progman");
        RegisterWindowClass(L"SHELLDLL_DefView");
        programManager_ = CreateWindowW(L"Progman", L"Program Manager", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
        HWND viewParent = programManager_;
        if (withShellView) {
            shellView_ = CreateWindowW(L"SHELLDLL_DefView", L"", WS_CHILD, 0, 0, 100, 100, programManager_, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
            viewParent = shellView_;
        }
        listView_ = CreateWindowW(viewClass, L"", WS_CHILD | LVS_ICON, 0, 0, 100, 100, viewParent, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        // Counts the requests to change the text background.
        SetWindowSubclass(listView_, CountSetTextBackground, 0, reinterpret_cast<DWORD_PTR>(&setRequests_));
    }
    ~FakeDesktop() { DestroyWindow(programManager_); }

    HWND ListView() const { return listView_; }
    int SetRequests() const { return setRequests_; }

private:
    static LRESULT CALLBACK CountSetTextBackground(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                   DWORD_PTR counter) {
        if (message == LVM_SETTEXTBKCOLOR) {
            ++*reinterpret_cast<int*>(counter);
        }
        return DefSubclassProc(window, message, wParam, lParam);
    }

    HWND programManager_ = nullptr;
    HWND shellView_ = nullptr;
    HWND listView_ = nullptr;
    int setRequests_ = 0;
};

TEST(DesktopWindows, FindTheListViewInsideTheShellView) {
    const FakeDesktop desktop;
    EXPECT_NE(FindProgramManager(), nullptr);
    EXPECT_EQ(FindDesktopListView(), desktop.ListView());
    EXPECT_EQ(FindActiveDesktopView(), nullptr);
}

TEST(DesktopWindows, FindNothingWithoutTheShellView) {
    const FakeDesktop desktop(false);
    ASSERT_NE(desktop.ListView(), nullptr);
    ListView_SetTextBkColor(desktop.ListView(), RGB(0, 128, 128));
    const int before = desktop.SetRequests();
    EXPECT_NE(FindProgramManager(), nullptr);
    EXPECT_EQ(FindDesktopListView(), nullptr);
    EXPECT_EQ(FindActiveDesktopView(), nullptr);
    MakeIconLabelsTransparent(1);
    EXPECT_EQ(desktop.SetRequests(), before) << "a list view outside the shell view is not the desktop's";
    EXPECT_EQ(ListView_GetTextBkColor(desktop.ListView()), RGB(0, 128, 128));
}

TEST(DesktopWindows, FindTheHtmlViewByItsClass) {
    RegisterWindowClass(L"Internet Explorer_Server");
    const FakeDesktop desktop(true, L"Internet Explorer_Server");
    EXPECT_NE(FindActiveDesktopView(), nullptr);
    EXPECT_EQ(FindDesktopListView(), nullptr);
}

TEST(IconLabels, AColouredBackgroundBecomesTransparent) {
    const FakeDesktop desktop;
    ListView_SetTextBkColor(desktop.ListView(), RGB(0, 128, 128));
    const int before = desktop.SetRequests();
    MakeIconLabelsTransparent(0);
    EXPECT_EQ(ListView_GetTextBkColor(desktop.ListView()), CLR_NONE);
    EXPECT_EQ(desktop.SetRequests(), before + 1);
}

TEST(IconLabels, AnAlreadyTransparentBackgroundGetsNoSetMessage) {
    const FakeDesktop desktop;
    ListView_SetTextBkColor(desktop.ListView(), CLR_NONE);
    const int before = desktop.SetRequests();
    MakeIconLabelsTransparent(1);
    EXPECT_EQ(desktop.SetRequests(), before);
    EXPECT_EQ(ListView_GetTextBkColor(desktop.ListView()), CLR_NONE);
}

} // namespace
} // namespace pelaconf
