// Renders the settings window on its pages into BMP files, for people to look at the program:
// screenshot_tour <output folder> [<template id>...]; without ids, every page of the page table.
// Each picture is the window as it is on the screen, named page-<template id>.bmp.
#include "app/page_table_win.h"
#include "driver.h"
#include "expected_texts.h"
#include "image/bmp_codec.h"
#include "resource.h"
#include "win/wide_text.h"

#include <cstdio>
#include <string>
#include <vector>

using namespace pelaconf;
using namespace pelaconf::driver;

namespace {

bool WriteFile(const std::wstring& path, const std::string& bytes) {
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (file == nullptr) {
        return false;
    }
    const bool ok = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return fclose(file) == 0 && ok;
}

// Waits until the page is shown under its caption and everything has been painted.
bool ShowPage(const RemoteWindow& window, int templateId) {
    const int pageIndex = PageIndexOf(templateId);
    if (pageIndex < 0) {
        return false;
    }
    const std::string label(PageTable()[pageIndex].label);
    if (!window.SelectTreeItem(IDC_CATEGORY_TREE, label) || !WaitUntil([&] {
            return window.Child(IDD_CAPTION_BAR).Text() == label && window.Child(templateId).IsVisible();
        })) {
        return false;
    }
    RedrawWindow(window.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // A round trip through the window's thread: every paint queued before it is done.
    SendMessageW(window.Handle(), WM_NULL, 0, 0);
    return true;
}

} // namespace

std::vector<int> TemplatesToRender(int argc, wchar_t** argv) {
    std::vector<int> templates;
    for (int i = 2; i < argc; ++i) {
        templates.push_back(_wtoi(argv[i]));
    }
    if (templates.empty()) {
        for (const PageRow& row : PageTable()) {
            templates.push_back(row.templateId);
        }
    }
    return templates;
}

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        fwprintf(stderr, L"usage: screenshot_tour <output folder> [<template id>...]\n");
        return 2;
    }
    const InstallFolder folder("screenshots");
    folder.Write("Pelavine.ini", "[Wall_Dir_Path]=" + WideToUtf8(folder.Path()) + "\r\n[Turn_Type]=3\r\n");
    const PelaconfProcess pelaconf(folder);
    const auto window = pelaconf.WaitForSettingsWindow();
    if (!window) {
        return 1;
    }
    SetForegroundWindow(window->Handle());
    for (const int templateId : TemplatesToRender(argc, argv)) {
        const std::wstring name = L"\\page-" + std::to_wstring(templateId) + L".bmp";
        if (!ShowPage(*window, templateId) ||
            !WriteFile(std::wstring(argv[1]) + name, EncodeBmp24(CaptureScreen(window->Handle())))) {
            fwprintf(stderr, L"cannot render page %d\n", templateId);
            return 1;
        }
    }
    // The wallpaper folder page counts as changed once loaded, so Cancel asks first.
    window->Click(IDCANCEL);
    pelaconf.Answer(expected::kDiscardQuestion, IDYES);
    return pelaconf.WaitForExit() ? 0 : 1;
}
