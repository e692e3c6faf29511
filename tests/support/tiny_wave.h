#pragma once
// The bytes of a short, valid WAVE file: a tenth of a second of silence, 8 kHz, 8-bit mono.

#include <cstdint>
#include <string>

namespace pelaconf {

inline std::string TinyWaveFile() {
    constexpr uint32_t kSampleRate = 8000;
    constexpr uint32_t kSamples = kSampleRate / 10;
    std::string bytes;
    const auto put32 = [&](uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            bytes += static_cast<char>((value >> shift) & 0xFF);
        }
    };
    const auto put16 = [&](uint16_t value) {
        bytes += static_cast<char>(value & 0xFF);
        bytes += static_cast<char>(value >> 8);
    };
    bytes += "RIFF";
    put32(36 + kSamples);
    bytes += "WAVEfmt ";
    put32(16);
    put16(1); // PCM
    put16(1); // one channel
    put32(kSampleRate);
    put32(kSampleRate); // bytes per second
    put16(1);           // block alignment
    put16(8);           // bits per sample
    bytes += "data";
    put32(kSamples);
    bytes.append(kSamples, static_cast<char>(0x80)); // the middle of the 8-bit range is silence
    return bytes;
}

} // namespace pelaconf
