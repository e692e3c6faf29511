#pragma once
// The rules of the settings window that need no window: validating and collecting the
// thirteen settings pages in their fixed order, and what OK, Apply and Cancel do.

#include "app/fade.h"

#include <array>
#include <string>

namespace pelaconf {

class FileSystem;
class MessageBoxes;
class ProcessStarter;
class SettingsPage;
struct SettingsRecord;

inline constexpr int kValidatedPageCount = 13;

// The page index of each validated page, in the order in which the pages are validated and
// stored: wallpaper folder, start-up, display order, display position, timer, external
// program, WAVE, timer stop, Susie, tray icon, desktop icon, hotkey, other settings.
inline constexpr std::array<int, kValidatedPageCount> kValidatedPageIndexes{1, 2, 3, 4, 6, 7, 8, 9, 11, 12, 13, 14, 15};

inline constexpr char kSettingsSaveFailedMessage[] = "設定ファイルの保存に失敗しました";
inline constexpr char kRestartQuestion[] = "設定の変更を反映するためにPelavineを再起動しますか？";
inline constexpr char kPelavineStartFailedMessage[] = "設定の適用に失敗しました。";
inline constexpr char kDiscardChangesQuestion[] =
    "設定内容は変更されています。\nキャンセルすると変更は保存されませんが、よろしいですか？";
inline constexpr char kPelavineCommandLine[] = "Pelavine.exe /nochange";

// What the window does for the model: show the page that failed validation.
class SettingsWindowHost {
public:
    virtual ~SettingsWindowHost() = default;
    // Selects and shows the page without validating the pages again.
    virtual void ShowPageAfterFailedValidation(int pageIndex) = 0;
};

struct SettingsWindowServices {
    SettingsRecord& record;
    FileSystem& files;
    MessageBoxes& messages;
    ProcessStarter& processes;
};

class SettingsWindowModel {
public:
    SettingsWindowModel(SettingsWindowServices services, FadeState& fade, SettingsWindowHost& host);

    // The validated pages in validation order (see kValidatedPageIndexes).
    void SetPages(const std::array<SettingsPage*, kValidatedPageCount>& pages) { pages_ = pages; }
    void SetFirstRun(bool firstRun) { firstRun_ = firstRun; }
    bool FirstRun() const { return firstRun_; }

    // Validates every page; at the first failure shows that page and returns false.
    bool ValidateAll();
    bool AnyPageModified() const;

    // OK, Apply and Cancel. OK and Cancel start the closing fade when the window is to close;
    // requests that arrive while the window closes, or while another request still asks its
    // questions, are ignored.
    void Ok();
    void Apply();
    void Cancel();

private:
    // Stores every page, deletes the shuffle list when the folder settings changed and writes
    // the file; false (after the message) when writing failed.
    bool CollectAndSave();
    void StartPelavine();
    void StartClosing(int32_t result);
    void SyncFadeWanted();

    SettingsWindowServices services_;
    FadeState& fade_;
    SettingsWindowHost& host_;
    std::array<SettingsPage*, kValidatedPageCount> pages_{};
    bool firstRun_ = false;
    bool busy_ = false;
};

} // namespace pelaconf
