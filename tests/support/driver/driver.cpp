#include "driver.h"

#include "expected_texts.h"
#include "win/wide_text.h"

#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <stdexcept>
#include <thread>

namespace pelaconf::driver {
namespace {

std::string WindowText(HWND window) {
    const int length = static_cast<int>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(length + 1, L'\0');
    SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(wcslen(text.c_str()));
    return WideToUtf8(text);
}

std::wstring ClassName(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

struct ProcessWindows {
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM context) {
    auto* collected = reinterpret_cast<ProcessWindows*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == collected->processId && IsWindowVisible(window)) {
        collected->windows.push_back(window);
    }
    return TRUE;
}

} // namespace

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(10ms); // polling interval, not synchronisation
    }
}

bool WaitUntilUnless(const std::function<bool()>& condition, const std::function<bool()>& forbidden,
                     std::chrono::milliseconds timeout) {
    bool forbiddenHeld = false;
    const bool held = WaitUntil([&] { return (forbiddenHeld = forbidden()) || condition(); }, timeout);
    return held && !forbiddenHeld;
}

Picture CaptureScreen(HWND window) {
    RECT area;
    GetWindowRect(window, &area);
    Picture picture;
    picture.width = area.right - area.left;
    picture.height = area.bottom - area.top;
    picture.bgra.resize(static_cast<size_t>(picture.width) * picture.height);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), picture.width, -picture.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, picture.width, picture.height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const uint32_t*>(bits);
    for (auto& pixel : picture.bgra) {
        pixel = *pixels++ | 0xFF000000u;
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

// ---- RemoteWindow

std::string RemoteWindow::Text() const { return WindowText(handle_); }

std::string RemoteWindow::ItemText(int id) const { return WindowText(Item(id)); }

void RemoteWindow::SetItemText(int id, const std::string& text) const {
    const std::wstring wide = Utf8ToWide(text);
    SendMessageW(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

bool RemoteWindow::IsChecked(int id) const { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void RemoteWindow::Click(int id) const { PostMessageW(Item(id), BM_CLICK, 0, 0); }

int RemoteWindow::Hotkey(int id) const { return LOWORD(SendMessageW(Item(id), HKM_GETHOTKEY, 0, 0)); }

void RemoteWindow::SetHotkey(int id, int code) const {
    SendMessageW(Item(id), HKM_SETHOTKEY, static_cast<WORD>(code), 0);
    SendMessageW(handle_, WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), reinterpret_cast<LPARAM>(Item(id)));
}

void RemoteWindow::TypeKey(int id, UINT virtualKey) const {
    SendMessageW(Item(id), WM_KEYDOWN, virtualKey, 1);
    SendMessageW(Item(id), WM_KEYUP, virtualKey, 0xC0000001);
}

std::optional<int> RemoteWindow::Opacity() const {
    BYTE alpha = 0;
    DWORD flags = 0;
    if ((GetWindowLongPtrW(handle_, GWL_EXSTYLE) & WS_EX_LAYERED) == 0 ||
        !GetLayeredWindowAttributes(handle_, nullptr, &alpha, &flags) || (flags & LWA_ALPHA) == 0) {
        return std::nullopt;
    }
    return alpha;
}

std::vector<std::string> RemoteWindow::StaticTexts() const {
    std::vector<std::string> texts;
    for (HWND child = GetWindow(handle_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassName(child) == L"Static") {
            texts.push_back(WindowText(child));
        }
    }
    return texts;
}

void RemoteWindow::PressKey(int id, UINT virtualKey) const {
    PostMessageW(Item(id), WM_KEYDOWN, virtualKey, 1);
    PostMessageW(Item(id), WM_KEYUP, virtualKey, 1 | (1u << 30) | (1u << 31));
}

int RemoteWindow::DropDownIndex(int id) const {
    const LRESULT index = SendMessageW(Item(id), CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

void RemoteWindow::ChooseDropDownItem(int id, int index) const {
    SendMessageW(Item(id), CB_SETCURSEL, index, 0);
    // Sent, not posted, so that the page has taken the choice before the next action reaches it.
    SendMessageW(GetParent(Item(id)), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(id)));
}

std::vector<std::string> RemoteWindow::ListBoxTexts(int id) const {
    std::vector<std::string> texts;
    const LRESULT count = SendMessageW(Item(id), LB_GETCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index) {
        std::wstring text(SendMessageW(Item(id), LB_GETTEXTLEN, index, 0) + 1, L'\0');
        SendMessageW(Item(id), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
        text.resize(wcslen(text.c_str()));
        texts.push_back(WideToUtf8(text));
    }
    return texts;
}

std::string RemoteWindow::SelectedListBoxText(int id) const {
    const LRESULT selected = SendMessageW(Item(id), LB_GETCURSEL, 0, 0);
    const std::vector<std::string> texts = ListBoxTexts(id);
    return selected >= 0 && selected < static_cast<LRESULT>(texts.size()) ? texts[selected] : std::string();
}

bool RemoteWindow::SelectListBoxItem(int id, const std::string& text) const {
    const std::vector<std::string> texts = ListBoxTexts(id);
    for (size_t index = 0; index < texts.size(); ++index) {
        if (texts[index] == text) {
            return SendMessageW(Item(id), LB_SETCURSEL, index, 0) != LB_ERR;
        }
    }
    return false;
}

bool RemoteWindow::ChooseListBoxItem(int id, const std::string& text) const {
    if (!SelectListBoxItem(id, text)) {
        return false;
    }
    PostMessageW(GetParent(Item(id)), WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(id)));
    return true;
}

// ---- RemoteMessageBox

std::string RemoteMessageBox::Message() const {
    // The message is the static control that is not the icon.
    for (const auto& text : StaticTexts()) {
        if (!text.empty()) {
            return text;
        }
    }
    return {};
}

bool RemoteMessageBox::Press(int buttonId) const {
    PostMessageW(Handle(), WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(Item(buttonId)));
    return WaitUntil([this] { return !Exists() || !IsVisible(); });
}

// ---- PelaconfProcess

PelaconfProcess::PelaconfProcess(const InstallFolder& folder, const std::wstring& arguments,
                                 const ConfiningJob* job) {
    std::wstring commandLine = L"\"" + folder.ProgramPath() + L"\"";
    if (!arguments.empty()) {
        commandLine += L" " + arguments;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    DWORD error = 0;
    // Under load Wine now and then refuses to start a program it has only just seen copied;
    // a moment later it starts.
    const bool started = WaitUntil(
        [&] {
            std::wstring mutableCommandLine = commandLine;
            if (CreateProcessW(nullptr, mutableCommandLine.data(), nullptr, nullptr, FALSE,
                               job != nullptr ? CREATE_SUSPENDED : 0, nullptr, folder.Path().c_str(), &startup,
                               &info)) {
                return true;
            }
            error = GetLastError();
            return false;
        },
        5s);
    if (!started) {
        throw std::runtime_error("cannot start Pelaconf.exe, error " + std::to_string(error));
    }
    if (job != nullptr && !job->Take(info.hProcess)) {
        TerminateProcess(info.hProcess, 99);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
        throw std::runtime_error("cannot put Pelaconf.exe in the job");
    }
    ResumeThread(info.hThread);
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
}

PelaconfProcess::~PelaconfProcess() {
    if (process_ != nullptr) {
        if (!HasExited()) {
            TerminateProcess(process_, 99);
            WaitForSingleObject(process_, 5000);
        }
        CloseHandle(process_);
    }
}

bool PelaconfProcess::WaitForExit(std::chrono::milliseconds timeout) const {
    return process_ != nullptr && WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

std::vector<HWND> PelaconfProcess::VisibleWindows() const {
    ProcessWindows collected{id_, {}};
    EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&collected));
    return collected.windows;
}

std::optional<RemoteWindow> PelaconfProcess::WaitForVisibleWindow(const std::function<bool(HWND)>& wanted,
                                                                  std::chrono::milliseconds timeout) const {
    std::optional<RemoteWindow> found;
    WaitUntil(
        [&] {
            for (HWND window : VisibleWindows()) {
                if (wanted(window)) {
                    found.emplace(window);
                    return true;
                }
            }
            return false;
        },
        timeout);
    return found;
}

std::optional<RemoteWindow> PelaconfProcess::WaitForSettingsWindow(std::chrono::milliseconds timeout) const {
    return WaitForVisibleWindow([](HWND window) { return GetPropW(window, L"Pelaconf") != nullptr; }, timeout);
}

std::optional<RemoteWindow> PelaconfProcess::WaitForWindowTitled(const std::string& title,
                                                                 std::chrono::milliseconds timeout) const {
    return WaitForVisibleWindow([&](HWND window) { return RemoteWindow(window).Text() == title; }, timeout);
}

std::optional<RemoteWindow> PelaconfProcess::WaitForWizard(std::chrono::milliseconds timeout) const {
    return WaitForWindowTitled(expected::kWizardTitle, timeout);
}

bool PelaconfProcess::CancelWizard(const RemoteWindow& wizard) const {
    wizard.Click(IDCANCEL);
    return Answer(expected::kWizardCancelQuestion, IDYES) && WaitUntil([&] { return !wizard.Exists(); });
}

std::vector<RemoteMessageBox> PelaconfProcess::MessageBoxes() const {
    std::vector<RemoteMessageBox> boxes;
    for (HWND window : VisibleWindows()) {
        if (ClassName(window) == L"#32770" && WindowText(window) == "Pelaconf") {
            boxes.emplace_back(window);
        }
    }
    return boxes;
}

std::optional<RemoteMessageBox> PelaconfProcess::WaitForMessageBox(const std::string& message,
                                                                   std::chrono::milliseconds timeout) const {
    std::optional<RemoteMessageBox> found;
    WaitUntil(
        [&] {
            for (const auto& box : MessageBoxes()) {
                if (box.Message() == message) {
                    found = box;
                    return true;
                }
            }
            return false;
        },
        timeout);
    return found;
}

std::optional<RemoteMessageBox> PelaconfProcess::WaitForMessageBoxAlone(const std::string& message,
                                                                        std::chrono::milliseconds timeout) const {
    std::optional<RemoteMessageBox> found;
    const bool alone = WaitUntilUnless(
        [&] {
            found = WaitForMessageBox(message, 0ms);
            return found.has_value();
        },
        [&] { return VisibleWindows().size() > MessageBoxes().size(); }, timeout);
    return alone ? found : std::nullopt;
}

bool PelaconfProcess::Answer(const std::string& message, int buttonId, std::chrono::milliseconds timeout) const {
    const auto box = WaitForMessageBox(message, timeout);
    return box && box->Press(buttonId);
}

bool PelaconfProcess::EndsWithoutShowingAWindow(std::chrono::milliseconds timeout) const {
    return WaitUntilUnless([&] { return HasExited(); }, [&] { return !VisibleWindows().empty(); }, timeout);
}

std::wstring PelaconfProcess::ModulePath(const std::wstring& dllName) const {
    const auto lower = [](std::wstring text) {
        CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
        return text;
    };
    std::vector<HMODULE> modules(512);
    DWORD needed = 0;
    if (!K32EnumProcessModulesEx(process_, modules.data(), static_cast<DWORD>(modules.size() * sizeof(HMODULE)),
                                 &needed, LIST_MODULES_ALL)) {
        return L"";
    }
    modules.resize(std::min<size_t>(modules.size(), needed / sizeof(HMODULE)));
    for (HMODULE module : modules) {
        wchar_t path[MAX_PATH] = {};
        const std::wstring loaded = lower(std::wstring(path, K32GetModuleFileNameExW(process_, module, path, MAX_PATH)));
        if (loaded.ends_with(L"\\" + lower(dllName))) {
            return loaded;
        }
    }
    return L"";
}

} // namespace pelaconf::driver
