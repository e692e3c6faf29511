#pragma once
// The pages of the settings window, each described once: its category in the tree, its
// template and how it is made. The tree, the caption bar, the overview links, validation,
// collection and page creation all read this table; a page's index is its row, and the pages that
// hold settings are validated and stored in row order.

#include "pages/page_services.h"
#include "pages/settings_page.h"
#include "ui/page_dialog.h"

#include <memory>
#include <span>
#include <string_view>
#include <type_traits>
#include <utility>

namespace pelaconf {

// A made page: its dialog, and the same object as a settings page when it holds settings.
struct CreatedPage {
    std::unique_ptr<PageDialog> dialog;
    SettingsPage* settings = nullptr;
};

template <typename Page, typename... Arguments> CreatedPage MakePage(Arguments&&... arguments) {
    auto page = std::make_unique<Page>(std::forward<Arguments>(arguments)...);
    SettingsPage* settings = nullptr;
    if constexpr (std::is_base_of_v<SettingsPage, Page>) {
        settings = page.get();
    }
    return {std::move(page), settings};
}

inline constexpr int kTopLevel = 0; // the parent of a top-level category

struct PageRow {
    std::string_view label; // in the tree and the caption bar
    int parentTemplateId;   // the template of the parent category's page, or kTopLevel
    int templateId;
    CreatedPage (*create)(const PageServices& services, int templateId);
};

// Every page in page-index order, which is the order of the tree: each parent before its
// children, siblings in their order.
std::span<const PageRow> PageTable();

// The page index of the page made from the template; -1 when there is none.
int PageIndexOf(int templateId);

} // namespace pelaconf
