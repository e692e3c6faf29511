// Renders the settings window on its pages into BMP files, for people to look at the program:
// screenshot_tour <output folder> [<template id>|wizard...]; without arguments, every page of the
// page table and every step of the first-run wizard. Each picture is the window as it is on the
// screen, named page-<template id>.bmp, and wizard-<n>.bmp for the wizard's steps from 1 to 8;
// with the Susie page comes the priority dialog it opens, as page-116.bmp.
#include "pages/page_table_win.h"
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

constexpr int kWizardSteps = 8;

// Paints the window and everything in it now.
void Repaint(const RemoteWindow& window) {
    RedrawWindow(window.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // A round trip through the window's thread: every paint queued before it is done.
    SendMessageW(window.Handle(), WM_NULL, 0, 0);
}

bool Render(const RemoteWindow& window, const std::wstring& folder, const std::wstring& name) {
    Repaint(window);
    return WriteFile(folder + L"\\" + name + L".bmp", EncodeBmp24(CaptureScreen(window.Handle())));
}

// Waits until the page is shown under its caption.
bool ShowPage(const RemoteWindow& window, int templateId) {
    const int pageIndex = PageIndexOf(templateId);
    if (pageIndex < 0) {
        return false;
    }
    const std::string label(PageTable()[pageIndex].label);
    return window.SelectTreeItem(IDC_CATEGORY_TREE, label) && WaitUntil([&] {
               return window.Child(IDD_CAPTION_BAR).Text() == label && window.Child(templateId).IsVisible();
           });
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
    return page.ExpandTreeItem(IDC_BROWSER_TREE, "壁紙フォルダ") &&
           WaitUntil([&] { return page.SelectTreeItem(IDC_BROWSER_TREE, "sample.bmp"); }) &&
           WaitUntil([&] { return page.ItemText(IDC_BROWSER_PATH).ends_with("sample.bmp"); });
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
bool RenderPriorityDialog(const PelaconfProcess& pelaconf, const RemoteWindow& window, const std::wstring& output) {
    window.Child(IDD_SUSIE).Click(IDC_SUSIE_PRIORITIES);
    const auto dialog = pelaconf.WaitForWindowTitled("Susieプラグイン優先順位設定");
    if (!dialog || !dialog->ChooseListBoxItem(IDC_PRIORITY_EXTENSIONS, ".JPG") ||
        !WaitUntil([&] { return dialog->ListBoxTexts(IDC_PRIORITY_PLUGINS).size() == 3; })) {
        return false;
    }
    const bool written = Render(*dialog, output, L"page-" + std::to_wstring(IDD_PRIORITY));
    dialog->Click(IDCANCEL);
    return WaitUntil([&] { return !dialog->Exists(); }) && written;
}

// The settings window on each page, from a start with a Pelavine.ini.
int RenderPages(const std::wstring& output, const std::vector<int>& templates) {
    const InstallFolder folder("screenshots");
    folder.Write("Pelavine.ini", "[Wall_Dir_Path]=" + WideToUtf8(folder.Path()) + "\r\n[Turn_Type]=3\r\n" +
                                     SusieLines(WideToUtf8(folder.Path())));
    folder.Write("sample.bmp", SampleImage());
    const PelaconfProcess pelaconf(folder);
    const auto window = pelaconf.WaitForSettingsWindow();
    if (!window) {
        fwprintf(stderr, L"no settings window\n");
        return 1;
    }
    SetForegroundWindow(window->Handle());
    for (const int templateId : templates) {
        if (!ShowPage(*window, templateId) || (templateId == IDD_WALLPAPER_BROWSER && !PreviewSample(*window)) ||
            !Render(*window, output, L"page-" + std::to_wstring(templateId))) {
            fwprintf(stderr, L"cannot render page %d\n", templateId);
            return 1;
        }
        if (templateId == IDD_SUSIE && !RenderPriorityDialog(pelaconf, *window, output)) {
            fwprintf(stderr, L"cannot render the priority dialog\n");
            return 1;
        }
    }
    // The wallpaper folder page counts as changed once loaded, so Cancel asks first.
    window->Click(IDCANCEL);
    pelaconf.Answer(expected::kDiscardQuestion, IDYES);
    return pelaconf.WaitForExit() ? 0 : 1;
}

// Every step of the wizard from a start without Pelavine.ini, then out by Cancel.
int RenderWizard(const std::wstring& output) {
    const InstallFolder folder("screenshots-wizard");
    const PelaconfProcess pelaconf(folder);
    const auto window = pelaconf.WaitForSettingsWindow();
    const auto wizard = pelaconf.WaitForWizard();
    if (!window || !wizard) {
        fwprintf(stderr, L"no settings window or no wizard\n");
        return 1;
    }
    SetForegroundWindow(wizard->Handle());
    for (int step = 1; step <= kWizardSteps; ++step) {
        if (!Render(*wizard, output, L"wizard-" + std::to_wstring(step))) {
            fwprintf(stderr, L"cannot render wizard step %d\n", step);
            return 1;
        }
        if (step < kWizardSteps) {
            // Each press is handled before the next message to the wizard, which Render sends.
            SendMessageW(wizard->Handle(), WM_COMMAND, MAKEWPARAM(IDC_WIZARD_NEXT, BN_CLICKED),
                         reinterpret_cast<LPARAM>(wizard->Item(IDC_WIZARD_NEXT)));
        }
    }
    if (!pelaconf.CancelWizard(*wizard)) {
        return 1;
    }
    window->Click(IDCANCEL);
    pelaconf.Answer(expected::kDiscardQuestion, IDYES);
    return pelaconf.WaitForExit() ? 0 : 1;
}

// The arguments after the output folder: template ids and "wizard"; all of them when none.
std::vector<std::wstring> WhatToRender(int argc, wchar_t** argv) {
    std::vector<std::wstring> wanted(argv + 2, argv + argc);
    if (wanted.empty()) {
        for (const PageRow& row : PageTable()) {
            wanted.push_back(std::to_wstring(row.templateId));
        }
        wanted.push_back(L"wizard");
    }
    return wanted;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        fwprintf(stderr, L"usage: screenshot_tour <output folder> [<template id>|wizard...]\n");
        return 2;
    }
    // Window rectangles in the screen's own pixels, whatever the session's DPI.
    SetProcessDPIAware();
    const std::wstring output = argv[1];
    std::vector<int> templates;
    bool wizard = false;
    for (const std::wstring& what : WhatToRender(argc, argv)) {
        if (what == L"wizard") {
            wizard = true;
        } else {
            templates.push_back(_wtoi(what.c_str()));
        }
    }
    if (!templates.empty() && RenderPages(output, templates) != 0) {
        return 1;
    }
    return wizard ? RenderWizard(output) : 0;
}
