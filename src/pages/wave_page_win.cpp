#include "pages/wave_page_win.h"

#include "platform/message_boxes.h"

#include <mmsystem.h>

namespace pelaconf {
namespace {

constexpr ChangeActionControls kControls{
    IDC_WAVE_PATH,
    {IDC_WAVE_AT_START, IDC_WAVE_ON_TIMER, IDC_WAVE_ON_MANUAL_CHANGE},
    kWaveFileDialogTitle,
    kWaveFileDialogFilter,
};

std::string_view RefusalText(WaveCheck check) {
    switch (check) {
    case WaveCheck::PathMissing: return kWavePathMissingMessage;
    case WaveCheck::FileMissing: return kWaveFileMissingMessage;
    case WaveCheck::NotStorable: return kWavePathNotStorableMessage;
    case WaveCheck::Valid: break;
    }
    return {};
}

void ShowTestPlayFailure(MessageBoxes& messages, const TestPlayFailure& failure) {
    switch (failure.problem) {
    case TestPlayProblem::FileMissing:
        messages.Show(failure.detail + "\n" + kTestPlayFileMissingMessage, MessageKind::Warning);
        break;
    case TestPlayProblem::DeviceError:
        messages.Show(failure.detail.empty() ? kWaveDeviceFailedMessage : failure.detail, MessageKind::Error);
        break;
    case TestPlayProblem::PlayFailed: messages.Show(kWaveDeviceFailedMessage, MessageKind::Error); break;
    }
}

} // namespace

WavePage::WavePage(SettingsRecord& record, const FileSystem& files, MessageBoxes& messages)
    : ChangeActionPage(IDD_WAVE, record, WaveHelpText(), kControls), files_(files), messages_(messages) {}

bool WavePage::OnInit() {
    device_ = std::make_unique<MciWaveDevice>(Window());
    testPlay_ = std::make_unique<WaveTestPlay>(
        *device_, files_,
        TestPlayReports{[this] { ShowTestPlayIcon(); },
                        [this](const TestPlayFailure& failure) { ShowTestPlayFailure(messages_, failure); }});
    ShowTestPlayIcon();
    return ChangeActionPage::OnInit();
}

bool WavePage::PlaysOnManualChange() {
    ReadControls();
    return model_.PlaysOnManualChange();
}

void WavePage::PlayNow() {
    if (!testPlay_) {
        return;
    }
    ReadControls();
    testPlay_->PlayNow(model_.path);
}

bool WavePage::ModelIsValid() { return PassesCheck(messages_, RefusalText(model_.Validate(files_))); }

bool WavePage::OnButtonClicked(int id) {
    if (id == IDC_WAVE_TEST_PLAY) {
        ReadControls();
        testPlay_->Toggle(model_.path);
        return true;
    }
    return ChangeActionPage::OnButtonClicked(id);
}

std::optional<INT_PTR> WavePage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != MM_MCINOTIFY) {
        return std::nullopt;
    }
    // Superseded and aborted plays have been dealt with where they were stopped or restarted.
    const auto device = static_cast<uint32_t>(lParam);
    if (wParam == MCI_NOTIFY_SUCCESSFUL) {
        testPlay_->Finished(device);
    } else if (wParam == MCI_NOTIFY_FAILURE) {
        testPlay_->Failed(device);
    }
    return TRUE;
}

void WavePage::OnDestroy() {
    if (testPlay_) {
        testPlay_->Stop();
    }
}

void WavePage::OnDpiChanged(int) {
    if (testPlay_) {
        ShowTestPlayIcon();
    }
}

void WavePage::ShowTestPlayIcon() {
    SetButtonIcon(Window(), IDC_WAVE_TEST_PLAY, testPlay_->Playing() ? IDI_TEST_STOP : IDI_TEST_PLAY, Dpi());
}

} // namespace pelaconf
