#pragma once
// The start-up page's values: what Pelavine does when it starts.

#include <string_view>

namespace pelaconf {

struct SettingsRecord;

std::string_view StartupHelpText();

struct StartupModel {
    int changeWallpaper = 0; // Start_Exec_Type
    int showToolBar = 0;     // Start_ToolBar_Type
    int exitAtOnce = 0;      // Start_Exit_Type

    void Load(const SettingsRecord& record);
    void Store(SettingsRecord& record) const;
};

} // namespace pelaconf
