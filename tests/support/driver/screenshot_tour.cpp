// Renders the settings window on a few of its pages into BMP files, for people to look at the
// program: screenshot_tour <output folder> <template id>...
// Each picture is the window as it is on the screen, named page-<template id>.bmp.
#include "driver.h"
#include "image/bmp_codec.h"
#include "resource.h"
#include "win/wide_text.h"

#include <cstdio>
#include <map>
#include <string>

using namespace pelaconf;
using namespace pelaconf::driver;

namespace {

const std::map<int, std::string> kLabels{
    {101, "基本設定"}, {103, "壁紙フォルダ"}, {105, "起動"},
    {106, "表示順"},   {107, "表示位置"},     {108, "自動壁紙変更"},
    {113, "詳細設定"}, {109, "タイマ"},       {117, "タスクトレイアイコン"},
    {155, "その他"},   {119, "バージョン"},
};

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
    const std::string& label = kLabels.at(templateId);
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

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        fwprintf(stderr, L"usage: screenshot_tour <output folder> <template id>...\n");
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
    for (int i = 2; i < argc; ++i) {
        const int templateId = _wtoi(argv[i]);
        if (kLabels.count(templateId) == 0 || !ShowPage(*window, templateId) ||
            !WriteFile(std::wstring(argv[1]) + L"\\page-" + argv[i] + L".bmp",
                       EncodeBmp24(CaptureScreen(window->Handle())))) {
            fwprintf(stderr, L"cannot render page %ls\n", argv[i]);
            return 1;
        }
    }
    window->Click(IDCANCEL);
    WaitUntil([&] { return pelaconf.HasExited() || !pelaconf.MessageBoxes().empty(); });
    for (const auto& box : pelaconf.MessageBoxes()) {
        box.Press(IDYES);
    }
    return pelaconf.WaitForExit() ? 0 : 1;
}
