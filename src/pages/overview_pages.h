#pragma once
// The three overview pages that head the category groups: their sentence, and one link per
// sub-category with its description.

#include <string_view>
#include <vector>

namespace pelaconf {

struct OverviewLink {
    int buttonId;
    int targetTemplateId; // the link selects the category of the page with this template
    int descriptionId;
    std::string_view description;
};

struct OverviewPageContent {
    int templateId;
    std::string_view sentence; // shown in the help text control
    std::vector<OverviewLink> links;
};

// The overview page of a template; null for a template that is no overview page.
const OverviewPageContent* FindOverviewPage(int templateId);

} // namespace pelaconf
