#include "wizard/wizard_steps.h"
#include "settings/settings_record.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace pelaconf {
namespace {

// Pages that accept or refuse as the test says and record what the wizard asked of them.
class RecordingPages : public WizardPages {
public:
    std::set<int> refusing;
    std::vector<int> validated;
    std::vector<int> stored;

    bool Validate(int templateId) override {
        validated.push_back(templateId);
        return refusing.count(templateId) == 0;
    }
    void Store(int templateId) override { stored.push_back(templateId); }
};

constexpr char kNext[] = "次へ(&N) >";

TEST(WizardSteps, NextLeadsThroughEveryStepValidatingEachPageAndTheLastStoresThemAllInOrder) {
    struct Expected {
        WizardStep step;
        int page;
        int message;
        bool back;
        std::string next;
    };
    const Expected steps[] = {
        {WizardStep::Welcome, IDD_WIZARD_MESSAGE, 100, false, kNext},
        {WizardStep::WallpaperFolder, IDD_WALLPAPER_FOLDER, 0, true, kNext},
        {WizardStep::Startup, IDD_STARTUP, 0, true, kNext},
        {WizardStep::DisplayOrder, IDD_DISPLAY_ORDER, 0, true, kNext},
        {WizardStep::DisplayPosition, IDD_DISPLAY_POSITION, 0, true, kNext},
        {WizardStep::SusieIntroduction, IDD_WIZARD_MESSAGE, 101, true, kNext},
        {WizardStep::Susie, IDD_SUSIE, 0, true, kNext},
        {WizardStep::Closing, IDD_WIZARD_MESSAGE, 102, true, "完了"},
    };
    WizardSteps wizard;
    RecordingPages pages;
    for (size_t i = 0; i < std::size(steps); ++i) {
        const WizardStepRow& row = wizard.CurrentRow();
        EXPECT_EQ(wizard.Current(), steps[i].step) << i;
        EXPECT_EQ(row.pageTemplateId, steps[i].page) << i;
        EXPECT_EQ(row.messageNumber, steps[i].message) << i;
        EXPECT_EQ(row.backEnabled, steps[i].back) << i;
        EXPECT_EQ(row.nextText, steps[i].next) << i;
        EXPECT_TRUE(pages.stored.empty()) << "nothing is stored before the end";
        const WizardNext outcome = wizard.Next(pages);
        EXPECT_EQ(outcome, i + 1 < std::size(steps) ? WizardNext::Moved : WizardNext::Completed) << i;
    }
    const std::vector<int> fivePages{IDD_WALLPAPER_FOLDER, IDD_STARTUP, IDD_DISPLAY_ORDER, IDD_DISPLAY_POSITION,
                                     IDD_SUSIE};
    EXPECT_EQ(pages.validated, fivePages) << "every page is validated once, on leaving it";
    EXPECT_EQ(pages.stored, fivePages);
}

TEST(WizardSteps, APageThatRefusesKeepsItsStepUntilItAccepts) {
    WizardSteps wizard;
    RecordingPages pages;
    pages.refusing = {IDD_WALLPAPER_FOLDER, IDD_SUSIE};
    wizard.Next(pages);
    EXPECT_EQ(wizard.Next(pages), WizardNext::Stayed);
    EXPECT_EQ(wizard.Next(pages), WizardNext::Stayed);
    EXPECT_EQ(wizard.Current(), WizardStep::WallpaperFolder);

    pages.refusing.erase(IDD_WALLPAPER_FOLDER);
    while (wizard.Current() != WizardStep::Susie) {
        ASSERT_EQ(wizard.Next(pages), WizardNext::Moved);
    }
    EXPECT_EQ(wizard.Next(pages), WizardNext::Stayed);
    EXPECT_EQ(wizard.Current(), WizardStep::Susie);
    EXPECT_TRUE(pages.stored.empty());
}

TEST(WizardSteps, BackRetracesTheStepsAndStopsAtTheWelcome) {
    WizardSteps wizard;
    RecordingPages pages;
    while (wizard.Current() != WizardStep::Closing) {
        wizard.Next(pages);
    }
    pages.validated.clear();
    wizard.Back();
    EXPECT_EQ(wizard.Current(), WizardStep::Susie);
    EXPECT_EQ(wizard.CurrentRow().nextText, kNext) << "the closing step's 完了 is gone";

    const WizardStep backwards[] = {
        WizardStep::SusieIntroduction, WizardStep::DisplayPosition, WizardStep::DisplayOrder, WizardStep::Startup,
        WizardStep::WallpaperFolder,   WizardStep::Welcome,         WizardStep::Welcome};
    for (const WizardStep expected : backwards) {
        wizard.Back();
        EXPECT_EQ(wizard.Current(), expected);
    }
    EXPECT_TRUE(pages.validated.empty()) << "going back validates nothing";
    EXPECT_TRUE(pages.stored.empty());
}

TEST(WizardSteps, OnlyTheThreeMessageNumbersHaveTexts) {
    for (const int number : {100, 101, 102}) {
        const auto text = WizardMessageText(number);
        ASSERT_TRUE(text) << number;
        EXPECT_TRUE(text->ends_with("\n")) << number;
    }
    EXPECT_TRUE(WizardMessageText(102)->starts_with("これで初期設定は完了です。\n"));
    for (const int number : {0, 1, 99, 103}) {
        EXPECT_FALSE(WizardMessageText(number)) << number;
    }
}

TEST(WizardCancel, TheQuestionIsAskedInTheseWords) {
    EXPECT_EQ(std::string(kWizardCancelQuestion),
              "初期設定は完了していません。\n初期設定ウィザードを終了してもよろしいですか？");
}

TEST(WizardCancel, CancellingEmptiesThePluginListsAndNothingElse) {
    SettingsRecord record{"C:\\Pelavine"};
    record.pluginPriorityList = {ParsePluginEntry("jpg.01.C:\\a.spi"), ParsePluginEntry("pnm.01.C:\\b.spi")};
    record.Turn_Type = 2;
    record.Susie_Use = 1;
    CancelWizard(record);
    EXPECT_TRUE(record.pluginPriorityList.empty());
    EXPECT_TRUE(ExtensionList(record.pluginPriorityList).empty());
    EXPECT_EQ(record.Turn_Type, 2);
    EXPECT_EQ(record.Susie_Use, 1);
    EXPECT_EQ(record.Wall_Dir_Path, SettingsRecord("C:\\Pelavine").Wall_Dir_Path);
}

} // namespace
} // namespace pelaconf
