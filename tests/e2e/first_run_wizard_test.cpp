// The first-run wizard through the real program: a start without Pelavine.ini opens it over the
// settings window; finishing it carries its values into the window, cancelling it asks first.
#include "driver.h"
#include "journey_helpers.h"
#include "resource.h"
#include "settings_window_fixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace pelaconf::driver {
namespace {

constexpr char kNext[] = "次へ(&N) >";
constexpr int kWizardPages[] = {IDD_WIZARD_MESSAGE, IDD_WALLPAPER_FOLDER, IDD_STARTUP,
                                IDD_DISPLAY_ORDER,  IDD_DISPLAY_POSITION, IDD_SUSIE};

// The one page of the wizard that is visible now, by template id; 0 when none or several are.
int VisiblePage(const RemoteWindow& wizard) {
    int visible = 0;
    for (const int templateId : kWizardPages) {
        if (wizard.Child(templateId).IsVisible()) {
            visible = visible == 0 ? templateId : -1;
        }
    }
    return visible < 0 ? 0 : visible;
}

POINT Centre(const RemoteWindow& window) {
    RECT area{};
    GetWindowRect(window.Handle(), &area);
    return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

class FirstRunWizardTest : public SettingsWindowFixture {
protected:
    // Starts Pelaconf in its folder without Pelavine.ini and waits for the wizard over the window.
    void StartFirstRun() {
        ASSERT_FALSE(folder.Exists("Pelavine.ini"));
        pelaconf.emplace(folder);
        wizard = pelaconf->WaitForWizard();
        ASSERT_TRUE(wizard) << "no wizard";
        // While the wizard runs, a settings window still hidden would stay hidden behind it.
        EXPECT_TRUE(IsWindowVisible(GetWindow(wizard->Handle(), GW_OWNER)))
            << "the wizard opened before the settings window was shown";
        window = pelaconf->WaitForSettingsWindow();
        ASSERT_TRUE(window) << "no settings window";
        written = folder.Read("Pelavine.ini").value_or("");
    }
    // Presses next and waits for the page the step shows.
    void NextShows(int templateId) const {
        wizard->Click(IDC_WIZARD_NEXT);
        ASSERT_TRUE(WaitUntil([&] { return VisiblePage(*wizard) == templateId; })) << templateId;
    }
    std::string MessageText() const { return wizard->Child(IDD_WIZARD_MESSAGE).ItemText(IDC_HELP_TEXT); }

    std::optional<RemoteWindow> wizard;
};

TEST_F(FirstRunWizardTest, FinishingTheWizardCarriesItsValuesIntoTheWindowAndOkSavesThem) {
    folder.MakeFolder("Walls");
    StartFirstRun();
    const POINT wizardCentre = Centre(*wizard);
    const POINT windowCentre = Centre(*window);
    EXPECT_NEAR(wizardCentre.x, windowCentre.x, 3) << "centred over the settings window";
    EXPECT_NEAR(wizardCentre.y, windowCentre.y, 3);
    EXPECT_FALSE(IsWindowEnabled(window->Handle())) << "the wizard is modal";

    ASSERT_EQ(VisiblePage(*wizard), IDD_WIZARD_MESSAGE);
    EXPECT_TRUE(MessageText().starts_with("Pelavine をお使い頂き、ありがとうございます。\n"));
    EXPECT_FALSE(wizard->IsItemEnabled(IDC_WIZARD_BACK));
    EXPECT_EQ(wizard->ItemText(IDC_WIZARD_NEXT), kNext);
    NextShows(IDD_WALLPAPER_FOLDER);
    EXPECT_TRUE(wizard->IsItemEnabled(IDC_WIZARD_BACK));

    const RemoteWindow folderPage = wizard->Child(IDD_WALLPAPER_FOLDER);
    EXPECT_EQ(folderPage.ItemText(IDC_FOLDER_PATH), FolderPath()) << "loaded from the record";
    folderPage.SetItemText(IDC_FOLDER_PATH, FolderPath() + "\\Missing");
    wizard->Click(IDC_WIZARD_NEXT);
    ASSERT_TRUE(pelaconf->Answer("壁紙フォルダは存在しません", IDOK));
    EXPECT_EQ(VisiblePage(*wizard), IDD_WALLPAPER_FOLDER) << "next stays on the page";

    folderPage.SetItemText(IDC_FOLDER_PATH, FolderPath() + "\\Walls");
    NextShows(IDD_STARTUP);
    wizard->Child(IDD_STARTUP).Click(IDC_START_SHOW_TOOLBAR);
    ASSERT_TRUE(WaitUntil([&] { return wizard->Child(IDD_STARTUP).IsChecked(IDC_START_SHOW_TOOLBAR); }));
    NextShows(IDD_DISPLAY_ORDER);
    wizard->Child(IDD_DISPLAY_ORDER).Click(IDC_ORDER_RANDOM);
    ASSERT_TRUE(WaitUntil([&] { return wizard->Child(IDD_DISPLAY_ORDER).IsChecked(IDC_ORDER_RANDOM); }));
    NextShows(IDD_DISPLAY_POSITION);
    wizard->Child(IDD_DISPLAY_POSITION).Click(IDC_POSITION_STRETCH);
    ASSERT_TRUE(WaitUntil([&] { return wizard->Child(IDD_DISPLAY_POSITION).IsChecked(IDC_POSITION_STRETCH); }));
    NextShows(IDD_WIZARD_MESSAGE);
    EXPECT_TRUE(MessageText().starts_with("基本的な動作の設定は終了しました。\n"));
    NextShows(IDD_SUSIE);
    NextShows(IDD_WIZARD_MESSAGE);
    EXPECT_TRUE(MessageText().starts_with("これで初期設定は完了です。\n"));
    EXPECT_EQ(wizard->ItemText(IDC_WIZARD_NEXT), "完了");
    EXPECT_TRUE(Unchanged()) << "the wizard itself writes nothing";

    wizard->Click(IDC_WIZARD_NEXT);
    ASSERT_TRUE(WaitUntil([&] { return !wizard->Exists(); }));
    EXPECT_EQ(Page(IDD_WALLPAPER_FOLDER).ItemText(IDC_FOLDER_PATH), FolderPath() + "\\Walls");
    EXPECT_TRUE(Page(IDD_DISPLAY_ORDER).IsChecked(IDC_ORDER_RANDOM));
    SaveWithOk();
    EXPECT_TRUE(FileHasLine(folder, "[Wall_Dir_Path]=" + FolderPath() + "\\Walls"));
    EXPECT_TRUE(FileHasLine(folder, "[Start_ToolBar_Type]=1"));
    EXPECT_TRUE(FileHasLine(folder, "[Turn_Type]=2"));
    EXPECT_TRUE(FileHasLine(folder, "[Rect_Type]=2"));
}

// Back retraces the steps; the Susie step refuses a missing folder like the page does; finishing
// reloads the window's own Susie page with what the wizard's page held.
TEST_F(FirstRunWizardTest, BackRetracesTheStepsAndTheSusieStepRefusesAMissingFolder) {
    folder.MakeFolder("Susie");
    StartFirstRun();
    NextShows(IDD_WALLPAPER_FOLDER);
    wizard->Click(IDC_WIZARD_BACK);
    ASSERT_TRUE(WaitUntil([&] { return VisiblePage(*wizard) == IDD_WIZARD_MESSAGE; }));
    EXPECT_FALSE(wizard->IsItemEnabled(IDC_WIZARD_BACK));
    for (const int templateId : {IDD_WALLPAPER_FOLDER, IDD_STARTUP, IDD_DISPLAY_ORDER, IDD_DISPLAY_POSITION,
                                 IDD_WIZARD_MESSAGE, IDD_SUSIE}) {
        NextShows(templateId);
    }
    const RemoteWindow susiePage = wizard->Child(IDD_SUSIE);
    susiePage.Click(IDC_SUSIE_USE);
    ASSERT_TRUE(WaitUntil([&] { return susiePage.IsItemEnabled(IDC_SUSIE_FOLDER); }));
    susiePage.SetItemText(IDC_SUSIE_FOLDER, FolderPath() + "\\Missing");
    wizard->Click(IDC_WIZARD_NEXT);
    ASSERT_TRUE(pelaconf->Answer("Susieプラグインフォルダは存在しません", IDOK));
    EXPECT_EQ(VisiblePage(*wizard), IDD_SUSIE) << "next stays on the Susie step";

    const std::string susieFolder = FolderPath() + "\\Susie";
    susiePage.SetItemText(IDC_SUSIE_FOLDER, susieFolder);
    NextShows(IDD_WIZARD_MESSAGE);
    EXPECT_EQ(wizard->ItemText(IDC_WIZARD_NEXT), "完了");
    wizard->Click(IDC_WIZARD_BACK);
    ASSERT_TRUE(WaitUntil([&] { return VisiblePage(*wizard) == IDD_SUSIE; }));
    EXPECT_EQ(wizard->ItemText(IDC_WIZARD_NEXT), kNext);
    NextShows(IDD_WIZARD_MESSAGE);
    wizard->Click(IDC_WIZARD_NEXT);
    ASSERT_TRUE(WaitUntil([&] { return !wizard->Exists(); }));

    EXPECT_TRUE(Page(IDD_SUSIE).IsChecked(IDC_SUSIE_USE));
    EXPECT_EQ(Page(IDD_SUSIE).ItemText(IDC_SUSIE_FOLDER), susieFolder);
    SaveWithOk();
    EXPECT_TRUE(FileHasLine(folder, "[Susie_Use]=1"));
    EXPECT_TRUE(FileHasLine(folder, "[Susie_Dir_Path]=" + susieFolder));
}

TEST_F(FirstRunWizardTest, CancellingAsksFirstAndLeavesTheWindowWithItsOwnValues) {
    StartFirstRun();
    NextShows(IDD_WALLPAPER_FOLDER);
    const RemoteWindow folderPage = wizard->Child(IDD_WALLPAPER_FOLDER);
    folderPage.SetItemText(IDC_FOLDER_PATH, FolderPath() + "\\Elsewhere");

    wizard->PressKey(IDC_WIZARD_NEXT, VK_ESCAPE);
    ASSERT_TRUE(pelaconf->Answer(expected::kWizardCancelQuestion, IDNO));
    EXPECT_EQ(VisiblePage(*wizard), IDD_WALLPAPER_FOLDER) << "No keeps the step";
    EXPECT_EQ(folderPage.ItemText(IDC_FOLDER_PATH), FolderPath() + "\\Elsewhere");

    PostMessageW(wizard->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); // the close box
    ASSERT_TRUE(pelaconf->Answer(expected::kWizardCancelQuestion, IDYES));
    ASSERT_TRUE(WaitUntil([&] { return !wizard->Exists(); }));
    EXPECT_EQ(Page(IDD_WALLPAPER_FOLDER).ItemText(IDC_FOLDER_PATH), FolderPath());
    SaveWithOk();
    EXPECT_TRUE(FileHasLine(folder, "[Wall_Dir_Path]=" + FolderPath()));
    EXPECT_EQ(folder.Read("Pelavine.ini").value_or("").find("[SPI]="), std::string::npos);
}

// A refresh on the wizard's Susie step changes the plug-in catalogue at once; cancelling the
// wizard empties it again, so that OK in the window writes no plug-in line.
TEST_F(FirstRunWizardTest, CancellingAfterARefreshLeavesNoPluginLines) {
    folder.MakeFolder("Susie");
    ASSERT_TRUE(CopyFileW((BuildFolder() + L"\\test-plugins\\pnm.spi").c_str(), folder.PathOf("Susie\\pnm.spi").c_str(),
                          FALSE));
    StartFirstRun();
    for (const int templateId : {IDD_WALLPAPER_FOLDER, IDD_STARTUP, IDD_DISPLAY_ORDER, IDD_DISPLAY_POSITION,
                                 IDD_WIZARD_MESSAGE, IDD_SUSIE}) {
        NextShows(templateId);
    }
    const RemoteWindow susiePage = wizard->Child(IDD_SUSIE);
    susiePage.Click(IDC_SUSIE_USE);
    ASSERT_TRUE(WaitUntil([&] { return susiePage.IsItemEnabled(IDC_SUSIE_REFRESH); }));
    susiePage.SetItemText(IDC_SUSIE_FOLDER, WideToUtf8(folder.PathOf("Susie")));
    susiePage.Click(IDC_SUSIE_REFRESH);
    ASSERT_TRUE(pelaconf->Answer("Susieプラグイン情報の変更を検出しました。", IDOK));
    const auto priorities = pelaconf->WaitForWindowTitled("Susieプラグイン優先順位設定");
    ASSERT_TRUE(priorities) << "the refresh opens the priority dialog";
    priorities->Click(IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !priorities->Exists(); }));

    wizard->PressKey(IDC_WIZARD_NEXT, VK_ESCAPE);
    ASSERT_TRUE(pelaconf->Answer(expected::kWizardCancelQuestion, IDYES));
    ASSERT_TRUE(WaitUntil([&] { return !wizard->Exists(); }));
    SaveWithOk();
    EXPECT_EQ(folder.Read("Pelavine.ini").value_or("").find("[SPI]="), std::string::npos);
}

} // namespace
} // namespace pelaconf::driver
