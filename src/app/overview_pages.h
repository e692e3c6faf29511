#pragma once
// The three overview pages that head the category groups: their sentence, and one link per
// sub-category with its description.

#include <string_view>
#include <vector>

namespace pelaconf {

struct OverviewLink {
    int buttonId;
    int pageIndex; // the category the link selects
    int descriptionId;
    std::string_view description;
};

struct OverviewPageContent {
    int templateId;
    std::string_view sentence; // shown in the help text control
    std::vector<OverviewLink> links;
};

// The overview page of a template (101, 108 or 113); null for any other template.
const OverviewPageContent* FindOverviewPage(int templateId);

} // namespace pelaconf
