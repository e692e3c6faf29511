#pragma once
// Drives the real Pelaconf.exe from a test: starts it from an install folder of its own, finds
// its windows, reads and sets controls, answers message boxes. Every wait is bounded.

#include "confining_job.h"
#include "image/picture.h"
#include "install_folder.h"

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pelaconf::driver {

using namespace std::chrono_literals;
inline constexpr std::chrono::milliseconds kPatience = 15s;

// Polls the condition until it holds or the time is up; returns whether it held.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = kPatience);
// Polls the condition like WaitUntil and watches at every poll, before the condition, that
// `forbidden` does not hold: false as soon as it does, or when the time is up.
bool WaitUntilUnless(const std::function<bool()>& condition, const std::function<bool()>& forbidden,
                     std::chrono::milliseconds timeout = kPatience);

// The window's pixels as they are on the screen now.
Picture CaptureScreen(HWND window);

// A window of the program under test, seen from outside: every read and action is a message.
class RemoteWindow {
public:
    explicit RemoteWindow(HWND handle) : handle_(handle) {}
    HWND Handle() const { return handle_; }
    HWND Item(int id) const { return GetDlgItem(handle_, id); }

    std::string Text() const;
    std::string ItemText(int id) const;
    void SetItemText(int id, const std::string& text) const;
    bool IsChecked(int id) const;
    bool IsVisible() const { return IsWindowVisible(handle_) != FALSE; }
    bool IsItemVisible(int id) const { return IsWindowVisible(Item(id)) != FALSE; }
    bool IsItemEnabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    bool IsMinimised() const { return IsIconic(handle_) != FALSE; }
    bool Exists() const { return IsWindow(handle_) != FALSE; }
    // Presses a button as a click would, without waiting for what the click does.
    void Click(int id) const;
    // Hot-key controls: the hot-key code, and setting one as typing would (the code, then the
    // change notification the parent gets).
    int Hotkey(int id) const;
    void SetHotkey(int id, int code) const;
    // Sends a control a key press and release as the keyboard would, with no modifier held, and
    // returns once the control has handled them.
    void TypeKey(int id, UINT virtualKey) const;
    // A child window by its control id, seen as a window of its own (the pages of the settings
    // window carry their template id, the caption bar 104).
    RemoteWindow Child(int id) const { return RemoteWindow(Item(id)); }
    // The opacity of a layered window, or nothing while the window is not layered.
    std::optional<int> Opacity() const;
    // The texts of every static control, in child order.
    std::vector<std::string> StaticTexts() const;
    // Presses and releases a key in a control, as typing would, without waiting for its effect.
    void PressKey(int id, UINT virtualKey) const;

    // Drop-down lists: the selected index (-1 for none), and choosing an item as the keyboard
    // would, which tells the owner of the change and returns once the owner has taken it.
    int DropDownIndex(int id) const;
    void ChooseDropDownItem(int id, int index) const;
    // List boxes: every entry's text in list order, the selected entry's text (empty for none),
    // and selecting the entry with the text; false when no entry has it.
    std::vector<std::string> ListBoxTexts(int id) const;
    std::string SelectedListBoxText(int id) const;
    bool SelectListBoxItem(int id, const std::string& text) const;
    // Selects the entry with the text and tells the owner, as a click would, without waiting for
    // what the selection does (it may open a message box); false when no entry has it.
    bool ChooseListBoxItem(int id, const std::string& text) const;

    // Tree views: every item's label in display order (parents before their children), the
    // selected item's label, and selecting an item by its label as a click would (without
    // waiting for what the selection does). False when no item has the label.
    std::vector<std::string> TreeLabels(int treeId) const;
    std::string SelectedTreeLabel(int treeId) const;
    bool SelectTreeItem(int treeId, const std::string& label) const;
    // Selects the item with the label and opens it as the + key would (which tells the owner, as
    // a click on its button does), without waiting for what the opening does. False when no item
    // has the label.
    bool ExpandTreeItem(int treeId, const std::string& label) const;
    // The labels of the children of the item with the label, in display order.
    std::vector<std::string> TreeChildLabels(int treeId, const std::string& label) const;
    // The image index of the item with the label; -1 when no item has it.
    int TreeItemImage(int treeId, const std::string& label) const;

private:
    HWND handle_;
};

// A message box of the program under test.
class RemoteMessageBox : public RemoteWindow {
public:
    using RemoteWindow::RemoteWindow;
    std::string Message() const;
    // Presses IDOK, IDYES, IDNO, ... and waits until the box has gone.
    bool Press(int buttonId) const;
};

// One run of Pelaconf.exe from an install folder (throws when it cannot be started). Ends the
// process if the test has not.
class PelaconfProcess {
public:
    // Inside the job when one is given: the process is in it before it runs any code.
    PelaconfProcess(const InstallFolder& folder, const std::wstring& arguments = L"",
                    const ConfiningJob* job = nullptr);
    ~PelaconfProcess();
    PelaconfProcess(const PelaconfProcess&) = delete;
    PelaconfProcess& operator=(const PelaconfProcess&) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    bool WaitForExit(std::chrono::milliseconds timeout = kPatience) const;
    bool HasExited() const { return WaitForExit(0ms); }

    // The settings window (the top-level window carrying the property "Pelaconf").
    std::optional<RemoteWindow> WaitForSettingsWindow(std::chrono::milliseconds timeout = kPatience) const;
    // A message box of this process whose message is exactly the text.
    std::optional<RemoteMessageBox> WaitForMessageBox(const std::string& message,
                                                      std::chrono::milliseconds timeout = kPatience) const;
    // The same, watching meanwhile that the process shows no window other than message boxes;
    // nothing when it did.
    std::optional<RemoteMessageBox> WaitForMessageBoxAlone(const std::string& message,
                                                           std::chrono::milliseconds timeout = kPatience) const;
    // A visible top-level window of this process with exactly the title, such as a dialog.
    std::optional<RemoteWindow> WaitForWindowTitled(const std::string& title,
                                                    std::chrono::milliseconds timeout = kPatience) const;
    // Every visible message box of this process now (the dialogs with the program's title).
    std::vector<RemoteMessageBox> MessageBoxes() const;
    // Waits for a question or message with the text, presses the button and waits until the
    // box has gone; false when no such box came.
    bool Answer(const std::string& message, int buttonId, std::chrono::milliseconds timeout = kPatience) const;
    // Every visible top-level window of this process now.
    std::vector<HWND> VisibleWindows() const;
    // Where the process loaded the DLL of the name from, in lower case; empty while it has not.
    std::wstring ModulePath(const std::wstring& dllName) const;

    // The first-run wizard, which a start without Pelavine.ini opens over the settings window.
    std::optional<RemoteWindow> WaitForWizard(std::chrono::milliseconds timeout = kPatience) const;
    // Leaves the wizard as a user who gives up on it does: Cancel, then Yes to its question. True
    // once the wizard has gone.
    bool CancelWizard(const RemoteWindow& wizard) const;
    // Waits for the process to end, watching meanwhile that no window of it becomes visible; false
    // when one did or the process still runs.
    bool EndsWithoutShowingAWindow(std::chrono::milliseconds timeout = kPatience) const;

private:
    // The first visible top-level window of this process that is wanted.
    std::optional<RemoteWindow> WaitForVisibleWindow(const std::function<bool(HWND)>& wanted,
                                                     std::chrono::milliseconds timeout) const;

    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

} // namespace pelaconf::driver
