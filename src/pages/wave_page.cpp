#include "pages/wave_page.h"

#include "platform/file_system.h"
#include "platform/wave_device.h"
#include "settings/settings_record.h"

namespace pelaconf {
namespace {

constexpr ChangeActionKeys kWaveKeys{&SettingsRecord::Timer_Wave_Path, &SettingsRecord::Timer_Wave1_Start,
                                     &SettingsRecord::Timer_Wave2_Use, &SettingsRecord::Timer_Wave3_Use};

} // namespace

std::string_view WaveHelpText() {
    return "壁紙変更時に演奏するWAVEファイルのフルパスを入力して下さい。\n"
           "\n"
           "チェックボックスにチェックを入れると、そのタイミングでの\n"
           "壁紙変更直前にWAVEファイルが演奏されます。\n"
           "\n"
           "※WAVEファイルを演奏しない場合はチェックを全て外して下さい。\n";
}

void WaveModel::Load(const SettingsRecord& record) { LoadFrom(record, kWaveKeys); }

void WaveModel::Store(SettingsRecord& record) const { StoreInto(record, kWaveKeys); }

WaveCheck WaveModel::Validate(const FileSystem& files) const {
    if (AnyChangeChecked()) {
        if (path.empty()) {
            return WaveCheck::PathMissing;
        }
        if (!FileExists(files, path)) {
            return WaveCheck::FileMissing;
        }
    }
    return PathIsStorable() ? WaveCheck::Valid : WaveCheck::NotStorable;
}

void WaveTestPlay::Toggle(const std::string& path) {
    if (Playing()) {
        Stop();
        return;
    }
    StartIfFileExists(path);
}

void WaveTestPlay::PlayNow(const std::string& path) {
    Stop();
    StartIfFileExists(path);
}

void WaveTestPlay::Finished(uint32_t device) {
    if (openDevice_ == device) {
        Stop();
    }
}

void WaveTestPlay::Failed(uint32_t device) {
    if (openDevice_ == device) {
        Stop();
        Report(TestPlayProblem::PlayFailed);
    }
}

void WaveTestPlay::Stop() {
    if (!openDevice_) {
        return;
    }
    const uint32_t device = *openDevice_;
    openDevice_.reset();
    StateChanged();
    if (const uint32_t error = device_.Close(device); error != 0) {
        ReportDeviceError(error);
    }
}

void WaveTestPlay::StartIfFileExists(const std::string& path) {
    if (path.empty()) {
        return;
    }
    if (!FileExists(files_, path)) {
        Report(TestPlayProblem::FileMissing, path);
        return;
    }
    if (const auto device = Start(path)) {
        openDevice_ = device;
        StateChanged();
    }
}

std::optional<uint32_t> WaveTestPlay::Start(const std::string& path) {
    uint32_t device = 0;
    if (const uint32_t error = device_.Open(path, device); error != 0) {
        ReportDeviceError(error);
        return std::nullopt;
    }
    if (const uint32_t error = device_.Play(device); error != 0) {
        if (const uint32_t closeError = device_.Close(device); closeError != 0) {
            ReportDeviceError(closeError);
        }
        ReportDeviceError(error);
        return std::nullopt;
    }
    return device;
}

void WaveTestPlay::StateChanged() {
    if (reports_.stateChanged) {
        reports_.stateChanged();
    }
}

void WaveTestPlay::ReportDeviceError(uint32_t error) { Report(TestPlayProblem::DeviceError, device_.ErrorText(error)); }

void WaveTestPlay::Report(TestPlayProblem problem, std::string detail) {
    if (reports_.failed) {
        reports_.failed({problem, std::move(detail)});
    }
}

} // namespace pelaconf
