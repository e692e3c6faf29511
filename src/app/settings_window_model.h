#pragma once
// The rules of the settings window that need no window: validating and collecting the
// settings pages in their fixed order, and what OK, Apply and Cancel do.

#include "app/fade.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"

#include <string>
#include <utility>
#include <vector>

namespace pelaconf {

class FileSystem;
class PluginProbe;
class ProcessStarter;
class Registry;
class SettingsPage;

inline constexpr char kSettingsSaveFailedMessage[] = "設定ファイルの保存に失敗しました";
// A save broken off part way (out of memory while collecting the pages): nothing was written.
inline constexpr char kSettingsSaveAbortedMessage[] = "設定ファイルの保存に失敗しました。";
inline constexpr char kRestartQuestion[] = "設定の変更を反映するためにPelavineを再起動しますか？";
inline constexpr char kPelavineStartFailedMessage[] = "設定の適用に失敗しました。";
inline constexpr char kDiscardChangesQuestion[] =
    "設定内容は変更されています。\nキャンセルすると変更は保存されませんが、よろしいですか？";
inline constexpr char kPelavineCommandLine[] = "Pelavine.exe /nochange";

// Why nothing was saved.
enum class SaveFailure {
    NotWritten, // the file could not be written
    BrokenOff,  // collecting the pages was broken off (out of memory): nothing was written
};

// What the window does for the model: make the pages it has not made yet, show the page that
// failed validation, ask the user the model's questions and tell the user of its failures.
class SettingsWindowHost {
public:
    virtual ~SettingsWindowHost() = default;
    // Makes every page still missing; each one that holds settings is added to the model.
    virtual void MakeMissingPages() = 0;
    // Selects and shows the page without validating the pages again.
    virtual void ShowPageAfterFailedValidation(int pageIndex) = 0;
    // Whether Pelavine is to be started again after OK saved changes.
    virtual bool ConfirmRestart() = 0;
    // Whether Cancel may close the window although pages hold changes.
    virtual bool ConfirmDiscardChanges() = 0;
    virtual void ReportSaveFailure(SaveFailure failure) = 0;
    virtual void ReportPelavineNotStarted() = 0;
};

// A page that holds settings, with the index of its category, which is shown when the page
// fails validation.
struct ValidatedPage {
    int pageIndex;
    SettingsPage* page;
};

struct SettingsWindowServices {
    SettingsRecord& record;
    // How the file read at the start spelled its values, kept when they are written unchanged.
    const OriginalSpellings& spellings;
    FileSystem& files;
    ProcessStarter& processes;
    const Registry& registry;
    // Asks plug-ins what they decode, through the image work object.
    PluginProbe& plugins;
};

// The settings that decide which images Pelavine shuffles: when a save changes them, its
// remembered order (Shuffle.ini) no longer fits.
struct ShuffleSource {
    std::string Wall_Dir_Path;
    int Wall_Dir_Saike_Use = 0;
    int Susie_Use = 0;

    static ShuffleSource Of(const SettingsRecord& record);
    // The folder path compares without letter case, as Windows names folders.
    bool SameAs(const ShuffleSource& other) const;
};

class SettingsWindowModel {
public:
    SettingsWindowModel(SettingsWindowServices services, FadeState& fade, SettingsWindowHost& host);

    // The pages that hold settings, in the order in which they are validated and stored.
    void SetPages(std::vector<ValidatedPage> pages);
    // Adds a page that holds settings as it is made, in page-index order, which is the order of
    // validation and storing.
    void AddPage(ValidatedPage page);
    void SetFirstRun(bool firstRun) { firstRun_ = firstRun; }
    bool FirstRun() const { return firstRun_; }

    // Validates every page, making the missing ones first; at the first failure shows that page
    // and returns false.
    bool ValidateAll();
    // Whether a page holds changes not yet saved, making the missing pages first.
    bool AnyPageModified();

    // OK, Apply and Cancel. OK and Cancel start the closing fade when the window is to close;
    // requests that arrive while the window closes, or while another request still asks its
    // questions, are ignored.
    void Ok();
    void Apply();
    void Cancel();

private:
    // Stores every page and writes the file; once it is written, deletes the shuffle list when
    // the shuffle source differs from the one last written. False (after the host was told) when
    // nothing was saved; a save broken off by an exception gives the record back as `before`.
    bool CollectAndSave(SettingsRecord before);
    void StartPelavine();
    void StartClosing(int32_t result);
    void SyncFadeWanted();

    SettingsWindowServices services_;
    FadeState& fade_;
    SettingsWindowHost& host_;
    std::vector<ValidatedPage> pages_; // in the order of validation
    ShuffleSource lastSaved_;          // as the file holds it: at the start, then after each save
    bool firstRun_ = false;
    bool busy_ = false;
};

} // namespace pelaconf
