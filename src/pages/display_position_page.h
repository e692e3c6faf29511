#pragma once
// The display position page's values: how an image is placed on the desktop (Rect_Type) and
// whether it is fitted to the screen (Rect_Fit).

#include <string_view>

namespace pelaconf {

struct SettingsRecord;

std::string_view DisplayPositionHelpText();

struct DisplayPositionModel {
    int position = -1; // the index of the chosen radio button, -1 for none
    int fit = 0;

    void Load(const SettingsRecord& record);
    void Store(SettingsRecord& record) const;
};

} // namespace pelaconf
