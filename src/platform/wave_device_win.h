#pragma once
// The WAVE test play through the Windows multimedia command interface (MCI). The end of a play
// is reported to the window given at construction as MM_MCINOTIFY.

#include "platform/wave_device.h"

#include <windows.h>

namespace pelaconf {

class MciWaveDevice : public WaveDevice {
public:
    explicit MciWaveDevice(HWND notifyWindow) : notifyWindow_(notifyWindow) {}

    uint32_t Open(const std::string& path, uint32_t& device) override;
    uint32_t Play(uint32_t device) override;
    uint32_t Close(uint32_t device) override;
    std::string ErrorText(uint32_t error) const override;

private:
    HWND notifyWindow_;
};

} // namespace pelaconf
