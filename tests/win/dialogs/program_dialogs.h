#pragma once
// The dialogs the program makes from its templates, made in this process as the program makes
// them: the settings window with its caption bar and every page (and the browser page's wait
// window), the first-run wizard with its pages, and the plug-in priority dialog. And what the
// tests compare of them: each window's rectangle in its parent and its font, one line per window.

#include "app/layered_window_library_win.h"
#include "app/settings_window_win.h"
#include "fakes/fake_services.h"
#include "pages/page_table_win.h"
#include "platform/file_system_win.h"
#include "platform/registry_win.h"
#include "plugins/image_object_probe_win.h"
#include "plugins/priority_dialog_win.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "susie/image_object_win.h"
#include "win/wide_text.h"
#include "wizard/wizard_win.h"

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace pelaconf::testing {

// Handles the thread's messages until the condition holds; false when it does not within the time.
inline bool PumpMessagesUntil(const std::function<bool()>& condition,
                              std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()), QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return true;
}

inline std::string ClassName(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return WideToUtf8(name);
}

// The font the window answers WM_GETFONT with, as made: face, height, weight, slant.
inline std::string FontOf(HWND window) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    LOGFONTW logical{};
    if (font == nullptr || GetObjectW(font, sizeof logical, &logical) == 0) {
        return "(no font)";
    }
    return WideToUtf8(logical.lfFaceName) + " " + std::to_string(logical.lfHeight) + " " +
           std::to_string(logical.lfWeight) + (logical.lfItalic ? " italic" : "");
}

// The window's line and those of all its descendants. A top-level window gives its client size
// (where it stands on the screen is not its layout); a child its rectangle in its parent's client.
inline void DescribeWindowTree(HWND window, const std::string& path, std::vector<std::string>& lines) {
    RECT area{};
    if (GetParent(window) != nullptr && (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0) {
        GetWindowRect(window, &area);
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&area), 2);
    } else {
        GetClientRect(window, &area);
    }
    lines.push_back(path + " " + ClassName(window) + " (" + std::to_string(area.left) + "," + std::to_string(area.top) +
                    ")-(" + std::to_string(area.right) + "," + std::to_string(area.bottom) + ") " + FontOf(window));
    int index = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        DescribeWindowTree(child, path + "/" + std::to_string(index++) + ":" + std::to_string(GetDlgCtrlID(child)),
                           lines);
    }
}

// Marks the bool its last argument points to: a family was found. A named CALLBACK function, as
// the i686 build cannot turn a lambda into a stdcall pointer.
inline int CALLBACK MarkFamilyFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

// Whether EnumFontFamiliesExW finds a family of the face.
inline bool FamilyExists(const std::wstring& face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, MarkFamilyFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// The face of the font the window answers WM_GETFONT with; empty without one.
inline std::wstring FaceOf(HWND window) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    LOGFONTW logical{};
    if (font == nullptr || GetObjectW(font, sizeof logical, &logical) == 0) {
        return {};
    }
    return logical.lfFaceName;
}

// The wizard here stands alone: no window holds its pages beside it.
class NoPageHost : public PageHost {
public:
    void SelectCategoryOf(int) override {}
    PageDialog* PageOf(int) override { return nullptr; }
};

class ProgramDialogs {
public:
    // The settings window is made hidden with its first page only, as the program makes it.
    ProgramDialogs() {
        settingsWindow_.Create(nullptr);
        wizard_.Create(settingsWindow_.Window());
        priority_.Create(settingsWindow_.Window());
    }

    HWND SettingsWindow() const { return settingsWindow_.Window(); }
    HWND Wizard() const { return wizard_.Window(); }
    HWND PriorityDialog() const { return priority_.Window(); }
    std::vector<HWND> TopLevel() const { return {SettingsWindow(), Wizard(), PriorityDialog()}; }

    bool AllPagesMade() const {
        for (const PageRow& row : PageTable()) {
            if (GetDlgItem(SettingsWindow(), row.templateId) == nullptr) {
                return false;
            }
        }
        return true;
    }
    // Shows the settings window, which then makes its other pages one by one.
    bool ShowAndMakeAllPages() {
        ShowWindow(SettingsWindow(), SW_SHOW);
        return PumpMessagesUntil([this] { return AllPagesMade(); });
    }

    std::vector<std::string> Describe() const {
        std::vector<std::string> lines;
        DescribeWindowTree(SettingsWindow(), "settings", lines);
        DescribeWindowTree(Wizard(), "wizard", lines);
        DescribeWindowTree(PriorityDialog(), "priority", lines);
        return lines;
    }

private:
    SettingsRecord record_{"C:\\pelaconf-dialogs"};
    OriginalSpellings spellings_;
    Win32FileSystem files_;
    FakeMessageBoxes messages_;
    FakeProcessStarter processes_;
    Win32Registry registry_;
    ImageObject imageWork_;
    ImageObjectPluginProbe plugins_{imageWork_};
    LayeredWindowLibrary layeredWindows_;
    SettingsWindowServices services_{record_, spellings_, files_, processes_, registry_, plugins_};
    pelaconf::SettingsWindow settingsWindow_{services_, messages_, layeredWindows_};
    NoPageHost pageHost_;
    pelaconf::Wizard wizard_{
        {record_, files_, messages_, processes_, registry_, plugins_, pageHost_, layeredWindows_.Available()}};
    pelaconf::PriorityDialog priority_{record_, messages_};
};

} // namespace pelaconf::testing
