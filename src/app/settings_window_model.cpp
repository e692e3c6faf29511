#include "app/settings_window_model.h"

#include "pages/settings_page.h"
#include "platform/process_starter.h"
#include "settings/settings_file.h"
#include "settings/string_helpers.h"

#include <algorithm>
#include <exception>

namespace pelaconf {
namespace {

// Marks a request in progress for as long as it runs, so that a click delivered while one of
// its message boxes is open is not acted on a second time.
class BusyScope {
public:
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& busy_;
};

} // namespace

ShuffleSource ShuffleSource::Of(const SettingsRecord& record) {
    return {record.Wall_Dir_Path, record.Wall_Dir_Saike_Use, record.Susie_Use};
}

bool ShuffleSource::SameAs(const ShuffleSource& other) const {
    return EqualNoCase(Wall_Dir_Path, other.Wall_Dir_Path) && Wall_Dir_Saike_Use == other.Wall_Dir_Saike_Use &&
           Susie_Use == other.Susie_Use;
}

SettingsWindowModel::SettingsWindowModel(SettingsWindowServices services, FadeState& fade, SettingsWindowHost& host)
    : services_(services), fade_(fade), host_(host), lastSaved_(ShuffleSource::Of(services.record)) {
    SyncFadeWanted();
}

void SettingsWindowModel::SetPages(std::vector<ValidatedPage> pages) { pages_ = std::move(pages); }

void SettingsWindowModel::AddPage(ValidatedPage page) {
    const auto at = std::upper_bound(pages_.begin(), pages_.end(), page.pageIndex,
                                     [](int pageIndex, const ValidatedPage& p) { return pageIndex < p.pageIndex; });
    pages_.insert(at, page);
}

bool SettingsWindowModel::ValidateAll() {
    host_.MakeMissingPages();
    for (const auto& [pageIndex, page] : pages_) {
        if (!page->Validate()) {
            host_.ShowPageAfterFailedValidation(pageIndex);
            return false;
        }
    }
    return true;
}

bool SettingsWindowModel::AnyPageModified() {
    host_.MakeMissingPages();
    return std::any_of(pages_.begin(), pages_.end(), [](const ValidatedPage& p) { return p.page->Modified(); });
}

void SettingsWindowModel::Ok() {
    if (busy_ || FadeBlocksClosing(fade_, firstRun_)) {
        return;
    }
    BusyScope scope(busy_);
    SettingsRecord before = services_.record;
    if (!ValidateAll()) {
        return;
    }
    if (AnyPageModified()) {
        if (!CollectAndSave(std::move(before))) {
            return;
        }
        if (host_.ConfirmRestart()) {
            StartPelavine();
        }
    }
    StartClosing(kFadeResultOk);
}

void SettingsWindowModel::Apply() {
    if (busy_ || fade_.command.load() == kFadeOutAndEnd) {
        return;
    }
    BusyScope scope(busy_);
    SettingsRecord before = services_.record;
    if (!ValidateAll() || !CollectAndSave(std::move(before))) {
        return;
    }
    for (const ValidatedPage& validated : pages_) {
        validated.page->SetModified(false);
    }
    StartPelavine();
}

void SettingsWindowModel::Cancel() {
    if (busy_ || FadeBlocksClosing(fade_, firstRun_)) {
        return;
    }
    BusyScope scope(busy_);
    if (AnyPageModified() && !host_.ConfirmDiscardChanges()) {
        return;
    }
    StartClosing(kFadeResultCancel);
}

bool SettingsWindowModel::CollectAndSave(SettingsRecord before) {
    SettingsRecord& record = services_.record;
    try {
        for (const ValidatedPage& validated : pages_) {
            validated.page->Store();
        }
        SyncFadeWanted();
        if (!WriteSettings(record, services_.spellings, services_.files)) {
            host_.ReportSaveFailure(SaveFailure::NotWritten);
            return false;
        }
    } catch (const std::exception&) { // bad_alloc, or length_error past a container's limit
        record = std::move(before);
        SyncFadeWanted();
        host_.ReportSaveFailure(SaveFailure::BrokenOff);
        return false;
    }
    const ShuffleSource saved = ShuffleSource::Of(record);
    if (!saved.SameAs(lastSaved_)) {
        DeleteShuffleList(record, services_.files); // Pelavine rebuilds a missing list; a failure changes nothing
    }
    lastSaved_ = saved;
    return true;
}

void SettingsWindowModel::StartPelavine() {
    if (!services_.processes.Start(kPelavineCommandLine)) {
        host_.ReportPelavineNotStarted();
    }
}

void SettingsWindowModel::StartClosing(int32_t result) {
    fade_.result = result;
    fade_.command = kFadeOutAndEnd;
}

void SettingsWindowModel::SyncFadeWanted() { fade_.fadeWanted = services_.record.SetupDlg_Fade != 0 ? 1 : 0; }

} // namespace pelaconf
