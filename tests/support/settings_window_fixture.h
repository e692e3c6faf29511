#pragma once
// The start of a journey through the settings window: a fresh install folder named after the
// test, Pelaconf started from it, and its settings window found.

#include "driver.h"
#include "expected_texts.h"
#include "pages/page_table_win.h"
#include "resource.h"
#include "test_name.h"
#include "win/wide_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace pelaconf::driver {

class SettingsWindowFixture : public ::testing::Test {
protected:
    // Starts Pelaconf and waits for its settings window; remembers the settings file as the start
    // wrote it. Without a Pelavine.ini the first-run wizard opens over the window, and is
    // cancelled: the window then goes on with the values it had. The window shows before it has
    // made the pages it does not show yet and makes them soon after; this waits for them all, so
    // that a journey may reach into any page.
    void Start() {
        const bool firstRun = !folder.Exists("Pelavine.ini");
        Launch();
        if (firstRun) {
            const auto wizard = pelaconf->WaitForWizard();
            ASSERT_TRUE(wizard) << "no first-run wizard";
            ASSERT_TRUE(pelaconf->CancelWizard(*wizard));
        }
        ASSERT_TRUE(WaitUntil([&] { return AllPagesMade(); })) << "the window did not make all its pages";
        written = folder.Read("Pelavine.ini").value_or("");
    }
    // Starts Pelaconf and returns as soon as its settings window is visible.
    void Launch() {
        pelaconf.emplace(folder);
        window = pelaconf->WaitForSettingsWindow();
        ASSERT_TRUE(window) << "no settings window";
    }
    // Whether every page of the window exists; a page carries its template id once it is made.
    bool AllPagesMade() const {
        for (const PageRow& row : PageTable()) {
            if (window->Item(row.templateId) == nullptr) {
                return false;
            }
        }
        return true;
    }
    // The same, with `file` written as Pelavine.ini first.
    void Start(const std::string& file) {
        folder.Write("Pelavine.ini", file);
        Start();
    }

    std::string FolderPath() const { return WideToUtf8(folder.Path()); }
    // A settings line naming the install folder as the wallpaper folder, so that it is valid.
    std::string FolderLine() const { return "[Wall_Dir_Path]=" + FolderPath() + "\r\n"; }
    RemoteWindow Page(int templateId) const { return window->Child(templateId); }
    // Selects the category as a click would and waits until the tree shows it selected.
    void Select(const std::string& label) const {
        ASSERT_TRUE(window->SelectTreeItem(IDC_CATEGORY_TREE, label)) << label;
        ASSERT_TRUE(WaitUntil([&] { return window->SelectedTreeLabel(IDC_CATEGORY_TREE) == label; })) << label;
    }
    // Selects the category and waits until its page is shown.
    void ShowPage(const std::string& label, int templateId) const {
        Select(label);
        ASSERT_TRUE(WaitUntil([&] { return Page(templateId).IsVisible(); })) << label;
    }
    // Presses OK, declines the restart of Pelavine and waits for the program to end.
    void SaveWithOk() const {
        window->Click(IDOK);
        ASSERT_TRUE(pelaconf->Answer(expected::kRestartQuestion, IDNO));
        ASSERT_TRUE(pelaconf->WaitForExit());
    }
    // Whether Pelavine.ini still holds what the start wrote.
    bool Unchanged() const { return folder.Read("Pelavine.ini").value_or("") == written; }

    InstallFolder folder{TestName()};
    std::optional<PelaconfProcess> pelaconf;
    std::optional<RemoteWindow> window;
    std::string written;
};

} // namespace pelaconf::driver
