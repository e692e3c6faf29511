#pragma once
// What the external program and WAVE pages share: a path, and the three kinds of wallpaper change
// at which Pelavine uses it (the change at its start, a change by the timer, a manual change).

#include <string>
#include <string_view>

namespace pelaconf {

struct SettingsRecord;

// Where a page keeps its values in the settings record.
struct ChangeActionKeys {
    std::string SettingsRecord::*path;
    int SettingsRecord::*atStart;
    int SettingsRecord::*onTimer;
    int SettingsRecord::*onManualChange;
};

struct ChangeAction {
    std::string path;
    int atStart = 0;
    int onTimer = 0;
    int onManualChange = 0;

    void LoadFrom(const SettingsRecord& record, const ChangeActionKeys& keys);
    void StoreInto(SettingsRecord& record, const ChangeActionKeys& keys) const;
    bool AnyChangeChecked() const { return atStart != 0 || onTimer != 0 || onManualChange != 0; }
    // The file chosen in the file dialog replaces the path unless it is the same path in other
    // letter case; true when the path changed.
    bool ChooseFile(std::string_view chosen);
    // The settings file holds Shift-JIS only: a path it cannot hold is refused rather than saved
    // damaged.
    bool PathIsStorable() const;
};

} // namespace pelaconf
