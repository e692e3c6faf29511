#pragma once
// The start of a journey through the settings window: a fresh install folder named after the
// test, Pelaconf started from it, and its settings window found.

#include "driver.h"
#include "expected_texts.h"
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
    // cancelled: the window then goes on with the values it had.
    void Start() {
        const bool firstRun = !folder.Exists("Pelavine.ini");
        pelaconf.emplace(folder);
        window = pelaconf->WaitForSettingsWindow();
        ASSERT_TRUE(window) << "no settings window";
        if (firstRun) {
            const auto wizard = pelaconf->WaitForWizard();
            ASSERT_TRUE(wizard) << "no first-run wizard";
            ASSERT_TRUE(pelaconf->CancelWizard(*wizard));
        }
        written = folder.Read("Pelavine.ini").value_or("");
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
