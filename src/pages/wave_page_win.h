#pragma once
// The WAVE page: the sound Pelavine plays before a wallpaper change, with its file dialog, the
// three boxes for the kinds of change, and the test-play button, which shows a play icon while
// idle and a stop icon while the sound plays.

#include "pages/change_action_page_win.h"
#include "pages/wave_page.h"
#include "platform/wave_device_win.h"

#include <memory>

namespace pelaconf {

class FileSystem;
class MessageBoxes;

class WavePage : public ChangeActionPage<WaveModel> {
public:
    WavePage(SettingsRecord& record, const FileSystem& files, MessageBoxes& messages);

    // Whether the manual-change box is checked now.
    bool PlaysOnManualChange();
    // Plays the sound in the field from its start, stopping a test play first.
    void PlayNow();

protected:
    bool OnInit() override;
    bool ModelIsValid() override;
    bool OnButtonClicked(int id) override;
    std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDestroy() override;
    void OnDpiChanged(int dpi) override;

private:
    void ShowTestPlayIcon();

    const FileSystem& files_;
    MessageBoxes& messages_;
    // Made once the page has a window to which the device reports the end of a play.
    std::unique_ptr<MciWaveDevice> device_;
    std::unique_ptr<WaveTestPlay> testPlay_;
};

} // namespace pelaconf
