#pragma once
// The display order page's values: ascending, descending or random order, and for random
// order whether every image of the folder is shown once per round. Both share Turn_Type.

#include <string_view>

namespace pelaconf {

struct SettingsRecord;

inline constexpr int kOrderAscending = 0;
inline constexpr int kOrderDescending = 1;
inline constexpr int kOrderRandom = 2;

std::string_view DisplayOrderHelpText();

struct DisplayOrderModel {
    int order = kOrderAscending;
    int oneRound = 0;

    void Load(const SettingsRecord& record);
    void Store(SettingsRecord& record) const;
    // The one-round choice only applies to random order.
    bool OneRoundEnabled() const { return order == kOrderRandom; }
    // A radio button chose the order; any other order than random clears one round. True when
    // the order changed.
    bool ChooseOrder(int newOrder);
};

} // namespace pelaconf
