// The page table that the settings window's tree, caption bar, overview links, validation and
// page creation all read. Each test checks a property every row must keep, so adding a page
// needs no change here.
#include "app/caption_bar_win.h"
#include "pages/overview_pages.h"
#include "pages/page_table_win.h"
#include "platform/file_system_win.h"
#include "platform/message_boxes_win.h"
#include "platform/process_starter_win.h"
#include "platform/registry_win.h"
#include "plugins/image_object_probe_win.h"
#include "resource.h"
#include "settings/settings_record.h"
#include "wizard/wizard_steps.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace pelaconf {
namespace {

class NoHost : public PageHost {
public:
    void SelectCategoryOf(int) override {}
    PageDialog* PageOf(int) override { return nullptr; }
};

TEST(PageTable, EachTemplateHasOneRowAndEachParentHeadsItsChildrenInTheTree) {
    const auto pages = PageTable();
    ASSERT_FALSE(pages.empty());
    EXPECT_EQ(pages[0].parentTemplateId, kTopLevel) << "the tree starts with a top-level category";
    std::set<int> templates;
    for (size_t index = 0; index < pages.size(); ++index) {
        const PageRow& row = pages[index];
        EXPECT_TRUE(templates.insert(row.templateId).second) << row.label << ": a template has one row";
        EXPECT_EQ(PageIndexOf(row.templateId), static_cast<int>(index)) << row.label;
        EXPECT_FALSE(row.label.empty());
        if (row.parentTemplateId == kTopLevel) {
            continue;
        }
        const int parentIndex = PageIndexOf(row.parentTemplateId);
        ASSERT_GE(parentIndex, 0) << row.label;
        ASSERT_LT(parentIndex, static_cast<int>(index)) << "a parent comes before its children in the tree";
        EXPECT_EQ(pages[parentIndex].parentTemplateId, kTopLevel) << "one level of children only";
        // Siblings stay together: the row before a child is its parent or another of its children.
        const PageRow& previous = pages[index - 1];
        EXPECT_TRUE(previous.templateId == row.parentTemplateId || previous.parentTemplateId == row.parentTemplateId)
            << row.label;
    }
    EXPECT_EQ(PageIndexOf(IDD_SETTINGS), -1) << "the settings window itself is no page";
    for (const int templateId : kWizardPageTemplates) {
        EXPECT_GE(PageIndexOf(templateId), 0) << "the wizard makes its pages from the table: " << templateId;
    }
}

// The window validates and stores the pages that hold settings in row order; the wizard stores
// its pages through the same contract.
TEST(PageTable, EachRowMakesItsOwnTemplateAndTheWizardPagesHoldSettings) {
    SettingsRecord record("C:\\p");
    Win32FileSystem files;
    Win32MessageBoxes messages;
    Win32ProcessStarter processes;
    Win32Registry registry;
    ImageObject imageWork;
    ImageObjectPluginProbe plugins(imageWork);
    NoHost host;
    const PageServices services{record, files, messages, processes, registry, plugins, host};

    std::set<int> holdingSettings;
    for (const PageRow& row : PageTable()) {
        const CreatedPage page = row.create(services, row.templateId);
        ASSERT_NE(page.dialog, nullptr) << row.label;
        EXPECT_EQ(page.dialog->TemplateId(), row.templateId) << row.label;
        if (page.settings != nullptr) {
            EXPECT_EQ(dynamic_cast<void*>(page.settings), dynamic_cast<void*>(page.dialog.get()))
                << row.label << ": the settings are the page itself";
            holdingSettings.insert(row.templateId);
        }
    }
    for (const int templateId : kWizardPageTemplates) {
        EXPECT_EQ(holdingSettings.count(templateId), 1u) << templateId;
    }
}

// Every group with children opens with an overview page whose links are its children in tree order.
TEST(PageTable, EachGroupHasAnOverviewWhoseLinksSelectItsChildrenInTreeOrder) {
    for (const PageRow& row : PageTable()) {
        std::vector<int> children;
        for (const PageRow& child : PageTable()) {
            if (child.parentTemplateId == row.templateId) {
                children.push_back(child.templateId);
            }
        }
        const OverviewPageContent* overview = FindOverviewPage(row.templateId);
        if (overview == nullptr) {
            EXPECT_TRUE(children.empty()) << row.label << " has children but no overview";
            continue;
        }
        std::vector<int> targets;
        for (const auto& link : overview->links) {
            targets.push_back(link.targetTemplateId);
        }
        EXPECT_EQ(targets, children) << row.label;
    }
}

TEST(CaptionBar, ShowsTheCategoryLabelAndErrorForAnIndexWithoutAPage) {
    const auto pages = PageTable();
    for (size_t index = 0; index < pages.size(); ++index) {
        EXPECT_EQ(CaptionLabel(static_cast<int>(index)), pages[index].label);
    }
    EXPECT_EQ(CaptionLabel(-1), "エラー");
    EXPECT_EQ(CaptionLabel(static_cast<int>(pages.size())), "エラー");
}

} // namespace
} // namespace pelaconf
