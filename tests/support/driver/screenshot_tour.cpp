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

// A small landscape to preview in the browser: a sky that lightens towards a green hill.
std::string SampleImage() {
    Picture picture{160, 120, std::vector<uint32_t>(160 * 120)};
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const bool hill = y > 80 + (x - 80) * (x - 80) / 200;
            const uint32_t sky = 0xFF000000u | (uint32_t(90 + y) << 16) | (uint32_t(150 + y / 2) << 8) | 230u;
            picture.bgra[y * picture.width + x] = hill ? 0xFF3C9632u : sky;
        }
    }
    return EncodeBmp24(picture);
}

// On the browser page: opens the wallpaper folder and selects the sample image, so that the
// picture shows a preview.
bool PreviewSample(const RemoteWindow& window) {
    const RemoteWindow page = window.Child(IDD_WALLPAPER_BROWSER);
    return page.ExpandTreeItem(IDC_BROWSER_TREE, "壁紙フォルダ") && WaitUntil([&] {
               return page.SelectTreeItem(IDC_BROWSER_TREE, "sample.bmp");
           }) && WaitUntil([&] { return page.ItemText(IDC_BROWSER_PATH).ends_with("sample.bmp"); });
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
    folder.Write("sample.bmp", SampleImage());
    const PelaconfProcess pelaconf(folder);
    const auto window = pelaconf.WaitForSettingsWindow();
    if (!window) {
        return 1;
    }
    SetForegroundWindow(window->Handle());
    for (const int templateId : TemplatesToRender(argc, argv)) {
        const std::wstring name = L"\\page-" + std::to_wstring(templateId) + L".bmp";
        if (!ShowPage(*window, templateId) || (templateId == IDD_WALLPAPER_BROWSER && !PreviewSample(*window)) ||
            !ShowPage(*window, templateId) ||
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
