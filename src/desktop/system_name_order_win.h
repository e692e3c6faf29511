#pragma once
// The order of names in the system's folder windows.

#include "desktop/wallpaper_browser.h"

namespace pelaconf {

// The tree's own sort compares its labels with lstrcmpiW, the system's compare without case.
class SystemNameOrder : public NameOrder {
public:
    std::vector<size_t> Sorted(const std::vector<std::string>& names) const override;
};

} // namespace pelaconf
