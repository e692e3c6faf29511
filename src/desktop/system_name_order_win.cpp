#include "desktop/system_name_order_win.h"

#include "win/wide_text.h"

#include <windows.h>

#include <algorithm>
#include <numeric>

namespace pelaconf {

// Each name is converted once, not at every comparison.
std::vector<size_t> SystemNameOrder::Sorted(const std::vector<std::string>& names) const {
    std::vector<std::wstring> wide;
    wide.reserve(names.size());
    for (const std::string& name : names) {
        wide.push_back(Utf8ToWide(name));
    }
    std::vector<size_t> order(names.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wide[a].c_str(), static_cast<int>(wide[a].size()),
                              wide[b].c_str(), static_cast<int>(wide[b].size())) == CSTR_LESS_THAN;
    });
    return order;
}

} // namespace pelaconf
