// Measures how long the wallpaper browser takes to open a big folder, beside a bare listing of the
// same folder: prints the medians in milliseconds of the bare listing alone, of the bare listing
// with a look into each subfolder that stops at its first entry (what the browser must read at the
// least), and of opening the folder in the browser of the real Pelaconf.exe, from the key press
// until the tree answers with every item. The bare listings search as the program does.
//   browser_expand_timer.exe RUNS FOLDER
#include "driver.h"
#include "expected_texts.h"
#include "resource.h"
#include "win/wide_text.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using namespace pelaconf;
using namespace pelaconf::driver;

namespace {

constexpr char kWallpaperFolderItem[] = "壁紙フォルダ";

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double TimeOnce(const std::function<void()>& work) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return Milliseconds(start, end);
}

bool IsDotEntry(const wchar_t* name) { return wcscmp(name, L".") == 0 || wcscmp(name, L"..") == 0; }

HANDLE FindFirst(const std::wstring& folder, WIN32_FIND_DATAW& found) {
    return FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                            FIND_FIRST_EX_LARGE_FETCH);
}

// Whether the folder holds any entry but "." and ".."; stops at the first.
bool HoldsAnything(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirst(folder, found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool any = false;
    do {
        any = !IsDotEntry(found.cFileName);
    } while (!any && FindNextFileW(search, &found));
    FindClose(search);
    return any;
}

// Lists the folder; with lookInside, also looks into each subfolder. Returns the entries seen.
int ListFolder(const std::wstring& folder, bool lookInside) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirst(folder, found);
    if (search == INVALID_HANDLE_VALUE) {
        return 0;
    }
    int entries = 0;
    do {
        ++entries;
        if (lookInside && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && !IsDotEntry(found.cFileName)) {
            HoldsAnything(folder + L"\\" + found.cFileName);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return entries;
}

int ItemCount(HWND tree) { return static_cast<int>(SendMessageW(tree, TVM_GETCOUNT, 0, 0)); }

// Opens the wallpaper folder item and returns the time until the tree holds its children; a
// negative time when it did not open.
double TimeOneOpening(const RemoteWindow& page, HWND tree) {
    const int before = ItemCount(tree);
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    page.ExpandTreeItem(IDC_BROWSER_TREE, kWallpaperFolderItem);
    // The tree answers only after the whole opening: its first changed count is the final one.
    const bool opened = WaitUntil([&] { return ItemCount(tree) != before; }, std::chrono::seconds(120));
    QueryPerformanceCounter(&end);
    // Close it again, which empties it, for the next run.
    page.PressKey(IDC_BROWSER_TREE, VK_SUBTRACT);
    WaitUntil([&] { return ItemCount(tree) == before; }, std::chrono::seconds(120));
    return opened ? Milliseconds(start, end) : -1;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fputs("usage: browser_expand_timer RUNS FOLDER\n", stderr);
        return 2;
    }
    const int runs = std::max(1, _wtoi(argv[1]));
    const std::wstring folder = argv[2];

    std::vector<double> bare, bareWithLook;
    ListFolder(folder, true); // warms the file cache
    for (int run = 0; run < runs; ++run) {
        bare.push_back(TimeOnce([&] { ListFolder(folder, false); }));
        bareWithLook.push_back(TimeOnce([&] { ListFolder(folder, true); }));
    }

    const InstallFolder install("benchmark-browser");
    install.Write("Pelavine.ini", "[Wall_Dir_Path]=" + WideToUtf8(folder) + "\r\n");
    const PelaconfProcess pelaconf(install);
    const auto window = pelaconf.WaitForSettingsWindow();
    if (!window || !window->SelectTreeItem(IDC_CATEGORY_TREE, "壁紙変更") ||
        !WaitUntil([&] { return window->Child(IDD_WALLPAPER_BROWSER).IsVisible(); })) {
        std::fputs("browser_expand_timer: the browser page did not show\n", stderr);
        return 1;
    }
    const RemoteWindow page = window->Child(IDD_WALLPAPER_BROWSER);
    HWND tree = page.Item(IDC_BROWSER_TREE);
    std::vector<double> browser;
    TimeOneOpening(page, tree); // the first opening warms the program and is not counted
    const int itemsBefore = ItemCount(tree);
    for (int run = 0; run < runs; ++run) {
        const double time = TimeOneOpening(page, tree);
        if (time < 0) {
            std::fputs("browser_expand_timer: the folder did not open\n", stderr);
            return 1;
        }
        browser.push_back(time);
    }
    page.ExpandTreeItem(IDC_BROWSER_TREE, kWallpaperFolderItem);
    WaitUntil([&] { return ItemCount(tree) != itemsBefore; }, std::chrono::seconds(120));
    const int listed = static_cast<int>(page.TreeChildLabels(IDC_BROWSER_TREE, kWallpaperFolderItem).size());

    window->Click(IDCANCEL);
    pelaconf.Answer(expected::kDiscardQuestion, IDYES);
    pelaconf.WaitForExit();
    std::printf("%.1f %.1f %.1f %d\n", Median(bare), Median(bareWithLook), Median(browser), listed);
    return 0;
}
