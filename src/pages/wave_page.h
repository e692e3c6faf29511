#pragma once
// The WAVE page's values: the sound Pelavine plays right before a wallpaper change and the kinds
// of change it plays at; and the page's test play of that sound.

#include "pages/change_action.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace pelaconf {

class FileSystem;
class WaveDevice;
struct SettingsRecord;

inline constexpr char kWavePathMissingMessage[] = "WAVEファイルパスを入力して下さい";
inline constexpr char kWaveFileMissingMessage[] = "WAVEファイルは存在しません";
inline constexpr char kWavePathNotStorableMessage[] =
    "WAVEファイルパスに設定ファイルへ保存できない文字が含まれています。\n"
    "Shift-JISで表せる文字だけのパスを指定して下さい。";
// Follows the path and a line break when the test play finds no file.
inline constexpr char kTestPlayFileMissingMessage[] = "このファイルは存在しません。";
// Shown when a play fails on its way (the device reports a failure, not an error code), or when
// the device has no text of its own for an error.
inline constexpr char kWaveDeviceFailedMessage[] = "WAVEファイルの演奏に失敗しました";
inline constexpr char kWaveFileDialogTitle[] = "WAVEファイル選択";
inline constexpr char kWaveFileDialogFilter[] = "WAVEファイル(*.wav)|*.wav|全てのファイル(*.*)|*.*||";

std::string_view WaveHelpText();

enum class WaveCheck { Valid, PathMissing, FileMissing, NotStorable };

struct WaveModel : ChangeAction {
    void Load(const SettingsRecord& record);
    void Store(SettingsRecord& record) const;
    // A checked box needs the path of an existing file.
    WaveCheck Validate(const FileSystem& files) const;
    bool PlaysOnManualChange() const { return onManualChange != 0; }
};

// What went wrong with a test play, for the page to tell the user.
enum class TestPlayProblem {
    FileMissing, // `detail` is the path that names no file
    DeviceError, // `detail` is the device's text for its error, empty when it has none
    PlayFailed,  // the device reported a failure on the way
};
struct TestPlayFailure {
    TestPlayProblem problem;
    std::string detail;

    bool operator==(const TestPlayFailure&) const = default;
};

// How the test play tells its page what happened: `stateChanged` as soon as the play starts or
// stops, before any failure about it, so that the page shows the new state behind the message;
// `failed` once for each failure, in the order they happened.
struct TestPlayReports {
    std::function<void()> stateChanged;
    std::function<void(const TestPlayFailure&)> failed;
};

// The test play: idle, or playing with the device open. Every failure has been reported when a
// call returns; a failed start leaves it idle with nothing open.
class WaveTestPlay {
public:
    WaveTestPlay(WaveDevice& device, const FileSystem& files, TestPlayReports reports)
        : device_(device), files_(files), reports_(std::move(reports)) {}

    bool Playing() const { return openDevice_.has_value(); }
    // A click on the test-play button: stops the play, or else starts one of the file. An empty
    // path does nothing.
    void Toggle(const std::string& path);
    // Plays the file from its start, stopping any play first.
    void PlayNow(const std::string& path);
    // The device reports that the play on `device` ran to its end. A report about a device that
    // is no longer open (the play was stopped or restarted meanwhile) changes nothing.
    void Finished(uint32_t device);
    // The device reports that the play on `device` failed after it had started (for example
    // when the system has no sound output): it is closed and the failure reported.
    void Failed(uint32_t device);
    // Stops any play, as when the page goes away.
    void Stop();

private:
    void StartIfFileExists(const std::string& path);
    std::optional<uint32_t> Start(const std::string& path);
    void ReportDeviceError(uint32_t error);
    void Report(TestPlayProblem problem, std::string detail = {});
    void StateChanged();

    WaveDevice& device_;
    const FileSystem& files_;
    TestPlayReports reports_;
    std::optional<uint32_t> openDevice_; // the device of the play, while it plays
};

} // namespace pelaconf
