#include "app/page_creation.h"

#include <algorithm>
#include <utility>

namespace pelaconf {

PageCreation::PageCreation(int pageCount, std::function<void(int pageIndex)> make)
    : made_(static_cast<size_t>(std::max(pageCount, 0)), false), make_(std::move(make)) {}

bool PageCreation::IsMade(int pageIndex) const {
    return pageIndex >= 0 && pageIndex < static_cast<int>(made_.size()) && made_[pageIndex];
}

bool PageCreation::AllMade() const { return std::find(made_.begin(), made_.end(), false) == made_.end(); }

// A page counts as made while it is being made, so that anything its making sets off (a page that
// asks for its neighbours, say) does not make it a second time.
void PageCreation::Make(int pageIndex) {
    if (pageIndex < 0 || pageIndex >= static_cast<int>(made_.size()) || made_[pageIndex]) {
        return;
    }
    made_[pageIndex] = true;
    try {
        make_(pageIndex);
    } catch (...) {
        made_[pageIndex] = false; // missing again, so that a later need tries once more
        throw;
    }
}

bool PageCreation::MakeNext() {
    const auto missing = std::find(made_.begin(), made_.end(), false);
    if (missing == made_.end()) {
        return false;
    }
    Make(static_cast<int>(missing - made_.begin()));
    return true;
}

void PageCreation::MakeAll() {
    while (MakeNext()) {
    }
}

} // namespace pelaconf
