#pragma once
// A multimedia device for the core's tests: records what it is asked, keeps track of open
// devices, and fails opening, playing or closing with a code when told to.

#include "platform/wave_device.h"

#include <set>
#include <string>
#include <vector>

namespace pelaconf::testing {

class FakeWaveDevice : public WaveDevice {
public:
    uint32_t openError = 0;
    uint32_t playError = 0;
    uint32_t closeError = 0;
    std::vector<std::string> calls; // "open PATH", "play ID", "close ID"
    std::set<uint32_t> open;        // the devices opened and not yet closed

    uint32_t Open(const std::string& path, uint32_t& device) override {
        calls.push_back("open " + path);
        if (openError != 0) {
            return openError;
        }
        device = nextDevice_++;
        open.insert(device);
        return 0;
    }
    uint32_t Play(uint32_t device) override {
        calls.push_back("play " + std::to_string(device));
        return playError;
    }
    uint32_t Close(uint32_t device) override {
        calls.push_back("close " + std::to_string(device));
        open.erase(device); // a device that fails to close is of no more use either
        return closeError;
    }
    std::string ErrorText(uint32_t error) const override {
        return error == kSilentError ? std::string() : "error " + std::to_string(error);
    }

    // A code for which the device has no text.
    static constexpr uint32_t kSilentError = 999;

private:
    uint32_t nextDevice_ = 1;
};

} // namespace pelaconf::testing
