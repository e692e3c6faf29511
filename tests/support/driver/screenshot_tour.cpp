// Renders the settings window on its pages into BMP files, for people to look at the program:
// screenshot_tour <output folder> [<template id>...]; without ids, every page of the page table.
// Each picture is the window as it is on the screen, named page-<template id>.bmp; with the Susie
// page comes the priority dialog it opens, as page-116.bmp.
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

// A small plug-in catalogue for the Susie page and its priority dialog to show.
std::string SusieLines(const std::string& folder) {
    std::string lines = "[Susie_Use]=1\r\n";
    for (const char* entry : {"jpg.00.pnm_as_jpg_a.spi", "jpg.01.pnm_as_jpg_png.spi", "jpg.02.pnm_as_jpg_b.spi",
                              "png.00.pnm_as_jpg_png.spi", "pnm.00.pnm.spi"}) {
        lines += "[SPI]=" + std::string(entry, 7) + folder + "\\" + (entry + 7) + "\r\n";
    }
    return lines;
}

// Opens the priority dialog from the Susie page, shows the plug-ins of jpg and captures it.
bool RenderPriorityDialog(const PelaconfProcess& pelaconf, const RemoteWindow& window, const std::wstring& path) {
    window.Child(IDD_SUSIE).Click(IDC_SUSIE_PRIORITIES);
    const auto dialog = pelaconf.WaitForWindowTitled("Susieプラグイン優先順位設定");
    if (!dialog || !dialog->ChooseListBoxItem(IDC_PRIORITY_EXTENSIONS, ".JPG") ||
        !WaitUntil([&] { return dialog->ListBoxTexts(IDC_PRIORITY_PLUGINS).size() == 3; })) {
        return false;
    }
    RedrawWindow(dialog->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SendMessageW(dialog->Handle(), WM_NULL, 0, 0);
    const bool written = WriteFile(path, EncodeBmp24(CaptureScreen(dialog->Handle())));
    dialog->Click(IDCANCEL);
    return WaitUntil([&] { return !dialog->Exists(); }) && written;
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
    folder.Write("Pelavine.ini", "[Wall_Dir_Path]=" + WideToUtf8(folder.Path()) + "\r\n[Turn_Type]=3\r\n" +
                                     SusieLines(WideToUtf8(folder.Path())));
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
        if (templateId == IDD_SUSIE &&
            !RenderPriorityDialog(pelaconf, *window, std::wstring(argv[1]) + L"\\page-" + std::to_wstring(IDD_PRIORITY) + L".bmp")) {
            fwprintf(stderr, L"cannot render the priority dialog\n");
            return 1;
        }
    }
    // The wallpaper folder page counts as changed once loaded, so Cancel asks first.
    window->Click(IDCANCEL);
    pelaconf.Answer(expected::kDiscardQuestion, IDYES);
    return pelaconf.WaitForExit() ? 0 : 1;
}
