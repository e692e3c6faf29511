#include "pages/change_action.h"

#include "settings/code_page.h"
#include "settings/settings_record.h"
#include "settings/string_helpers.h"

namespace pelaconf {

void ChangeAction::LoadFrom(const SettingsRecord& record, const ChangeActionKeys& keys) {
    path = record.*keys.path;
    atStart = record.*keys.atStart;
    onTimer = record.*keys.onTimer;
    onManualChange = record.*keys.onManualChange;
}

void ChangeAction::StoreInto(SettingsRecord& record, const ChangeActionKeys& keys) const {
    record.*keys.path = path;
    record.*keys.atStart = atStart;
    record.*keys.onTimer = onTimer;
    record.*keys.onManualChange = onManualChange;
}

bool ChangeAction::ChooseFile(std::string_view chosen) { return TakeChosenPath(path, chosen); }

bool ChangeAction::PathIsStorable() const { return FitsShiftJis(path); }

} // namespace pelaconf
