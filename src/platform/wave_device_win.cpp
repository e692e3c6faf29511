#include "platform/wave_device_win.h"

#include "win/wide_text.h"

#include <mmsystem.h>

#include <iterator>

namespace pelaconf {

uint32_t MciWaveDevice::Open(const std::string& path, uint32_t& device) {
    const std::wstring element = Utf8ToWide(path);
    MCI_OPEN_PARMSW open{};
    open.lpstrDeviceType = reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(MCI_DEVTYPE_WAVEFORM_AUDIO));
    open.lpstrElementName = element.c_str();
    const MCIERROR error = mciSendCommandW(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_OPEN_TYPE | MCI_OPEN_TYPE_ID | MCI_WAIT,
                                           reinterpret_cast<DWORD_PTR>(&open));
    if (error == 0) {
        device = open.wDeviceID;
    }
    return error;
}

uint32_t MciWaveDevice::Play(uint32_t device) {
    MCI_PLAY_PARMS play{};
    play.dwCallback = reinterpret_cast<DWORD_PTR>(notifyWindow_);
    play.dwFrom = 0;
    return mciSendCommandW(device, MCI_PLAY, MCI_NOTIFY | MCI_FROM, reinterpret_cast<DWORD_PTR>(&play));
}

uint32_t MciWaveDevice::Close(uint32_t device) {
    MCI_GENERIC_PARMS close{};
    return mciSendCommandW(device, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&close));
}

std::string MciWaveDevice::ErrorText(uint32_t error) const {
    wchar_t text[256] = {};
    if (!mciGetErrorStringW(error, text, static_cast<UINT>(std::size(text)))) {
        return {};
    }
    return WideToUtf8(text);
}

} // namespace pelaconf
