#pragma once
// The multimedia device that plays a WAVE file for the WAVE page's test play. Every operation
// returns the device's error code, 0 for success.

#include <cstdint>
#include <string>

namespace pelaconf {

class WaveDevice {
public:
    virtual ~WaveDevice() = default;

    // Opens the file and waits until it is open; `device` names the open device.
    virtual uint32_t Open(const std::string& path, uint32_t& device) = 0;
    // Starts playing the open file from its start and returns at once; the device reports the
    // end of the play to the page.
    virtual uint32_t Play(uint32_t device) = 0;
    // Stops the play, if any, and closes the device.
    virtual uint32_t Close(uint32_t device) = 0;
    // The system's own text for an error code; empty when it has none.
    virtual std::string ErrorText(uint32_t error) const = 0;
};

} // namespace pelaconf
