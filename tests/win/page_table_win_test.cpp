// The page table that the settings window's tree, caption bar, overview links, validation and
// page creation all read.
#include "app/caption_bar_win.h"
#include "app/overview_pages.h"
#include "app/page_table_win.h"
#include "platform/file_system_win.h"
#include "platform/message_boxes_win.h"
#include "platform/process_starter_win.h"
#include "platform/registry_win.h"
#include "plugins/image_object_probe_win.h"
#include "settings/settings_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

namespace pelaconf {
namespace {

TEST(PageTable, ThreeGroupsHeadTheirChildrenAndTwoCategoriesStandAlone) {
    const auto pages = PageTable();
    ASSERT_EQ(pages.size(), 18u);
    std::map<int, int> children;
    for (size_t index = 0; index < pages.size(); ++index) {
        const int parent = pages[index].parentTemplateId;
        if (parent == kTopLevel) {
            continue;
        }
        const int parentIndex = PageIndexOf(parent);
        ASSERT_GE(parentIndex, 0) << pages[index].label;
        ASSERT_LT(parentIndex, static_cast<int>(index)) << "a parent comes before its children in the tree";
        ASSERT_EQ(pages[parentIndex].parentTemplateId, kTopLevel) << "one level of children only";
        ++children[parentIndex];
    }
    EXPECT_EQ(children, (std::map<int, int>{{0, 4}, {5, 4}, {10, 5}}));
    EXPECT_EQ(pages[16].parentTemplateId, kTopLevel);
    EXPECT_EQ(pages[16].templateId, 114);
    EXPECT_EQ(pages[17].parentTemplateId, kTopLevel);
    EXPECT_EQ(PageIndexOf(102), -1) << "the settings window itself is no page";
}

TEST(PageTable, ThirteenPagesAreValidatedInTheirFixedOrderAndEachHoldsSettings) {
    SettingsRecord record("C:\\p");
    const OriginalSpellings spellings;
    Win32FileSystem files;
    Win32MessageBoxes messages;
    Win32ProcessStarter processes;
    Win32Registry registry;
    ImageObject imageWork;
    ImageObjectPluginProbe plugins(imageWork);
    const PageContext context{{record, spellings, files, messages, processes, registry, plugins}, [](int) {}};

    std::map<int, int> templateByPlace;
    for (const PageRow& row : PageTable()) {
        const CreatedPage page = row.create(context, row.templateId);
        ASSERT_NE(page.dialog, nullptr) << row.label;
        EXPECT_EQ(page.dialog->TemplateId(), row.templateId) << row.label;
        if (row.validationPlace != kNotValidated) {
            EXPECT_NE(page.settings, nullptr) << row.label << " is validated, so it keeps the settings contract";
            EXPECT_TRUE(templateByPlace.emplace(row.validationPlace, row.templateId).second) << row.label;
        }
    }
    std::vector<int> order;
    for (int place = 1; place <= static_cast<int>(templateByPlace.size()); ++place) {
        ASSERT_EQ(templateByPlace.count(place), 1u) << "places run from 1 without gaps";
        order.push_back(templateByPlace[place]);
    }
    EXPECT_EQ(order, (std::vector<int>{103, 105, 106, 107, 109, 110, 111, 112, 115, 117, 118, 152, 155}));
}

TEST(PageTable, EachOverviewLinkSelectsAChildOfItsOwnGroupInTreeOrder) {
    int overviews = 0;
    for (const PageRow& row : PageTable()) {
        const OverviewPageContent* overview = FindOverviewPage(row.templateId);
        if (overview == nullptr) {
            continue;
        }
        ++overviews;
        std::vector<int> children;
        for (const PageRow& child : PageTable()) {
            if (child.parentTemplateId == row.templateId) {
                children.push_back(child.templateId);
            }
        }
        std::vector<int> targets;
        for (const auto& link : overview->links) {
            targets.push_back(link.targetTemplateId);
        }
        EXPECT_EQ(targets, children) << row.label;
    }
    EXPECT_EQ(overviews, 3);
}

TEST(CaptionBar, ShowsTheCategoryLabelAndErrorForAnIndexWithoutAPage) {
    EXPECT_EQ(CaptionLabel(0), "基本設定");
    EXPECT_EQ(CaptionLabel(14), "ホットキー");
    EXPECT_EQ(CaptionLabel(17), "バージョン");
    EXPECT_EQ(CaptionLabel(-1), "エラー");
    EXPECT_EQ(CaptionLabel(18), "エラー");
}

} // namespace
} // namespace pelaconf
