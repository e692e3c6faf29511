#include "pages/wave_page.h"

#include "platform/file_system.h"
#include "platform/message_boxes.h"
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

bool WaveModel::Validate(const FileSystem& files, MessageBoxes& messages) const {
    if (AnyChangeChecked()) {
        if (path.empty()) {
            messages.Show(kWavePathMissingMessage, MessageKind::Warning);
            return false;
        }
        if (!FileExists(files, path)) {
            messages.Show(kWaveFileMissingMessage, MessageKind::Warning);
            return false;
        }
    }
    return PathIsStorable(messages, kWavePathNotStorableMessage);
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
        messages_.Show(kWaveDeviceFailedMessage, MessageKind::Error);
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
        ShowDeviceError(error);
    }
}

void WaveTestPlay::StartIfFileExists(const std::string& path) {
    if (path.empty()) {
        return;
    }
    if (!FileExists(files_, path)) {
        messages_.Show(path + "\n" + kTestPlayFileMissingMessage, MessageKind::Warning);
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
        ShowDeviceError(error);
        return std::nullopt;
    }
    if (const uint32_t error = device_.Play(device); error != 0) {
        if (const uint32_t closeError = device_.Close(device); closeError != 0) {
            ShowDeviceError(closeError);
        }
        ShowDeviceError(error);
        return std::nullopt;
    }
    return device;
}

void WaveTestPlay::StateChanged() {
    if (stateChanged_) {
        stateChanged_();
    }
}

void WaveTestPlay::ShowDeviceError(uint32_t error) {
    const std::string text = device_.ErrorText(error);
    messages_.Show(text.empty() ? kWaveDeviceFailedMessage : text, MessageKind::Error);
}

} // namespace pelaconf
