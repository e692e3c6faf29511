#pragma once
// The eighteen categories of the settings window: their tree labels, levels and page templates,
// by page index.

#include <array>
#include <string_view>

namespace pelaconf {

struct Category {
    std::string_view label;
    int parentIndex; // -1 for a top-level category
    int templateId;
};

inline constexpr int kCategoryCount = 18;

const std::array<Category, kCategoryCount>& Categories();

// The caption bar's text for a page index: the category's label, or "エラー" for any other index.
std::string_view CaptionLabel(int pageIndex);

} // namespace pelaconf
