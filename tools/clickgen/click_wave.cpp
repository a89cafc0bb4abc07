// The click: a few cycles of a high tone with a little noise, decaying within milliseconds,
// the way a mechanical switch sounds through a cockpit speaker.
#include "click_wave.h"

#include <cmath>

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void PutId(std::vector<uint8_t>& out, const char* id) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(uint8_t(id[i]));
    }
}

// A fixed linear congruential sequence: the file is the same on every build.
float NextNoise(uint32_t& seed) {
    seed = seed * 1664525u + 1013904223u;
    return float(int32_t(seed >> 8) - (1 << 23)) / float(1 << 23);
}

} // namespace

std::vector<int16_t> MakeClickSamples() {
    constexpr double Pi = 3.14159265358979323846;
    constexpr double ToneHz = 2800.0;
    constexpr double DecayPerSecond = 350.0; // down to about 1/1000 after 20 ms
    constexpr double Peak = 26000.0;
    std::vector<int16_t> samples(ClickSamples);
    uint32_t seed = 0x5EED;
    for (uint32_t i = 0; i < ClickSamples; ++i) {
        const double t = double(i) / ClickSampleRate;
        const double envelope = std::exp(-DecayPerSecond * t);
        const double attack = i < 8 ? double(i) / 8.0 : 1.0; // no step at the first sample
        const double tone = 0.7 * std::sin(2.0 * Pi * ToneHz * t) + 0.3 * NextNoise(seed);
        samples[i] = int16_t(std::lround(Peak * attack * envelope * tone));
    }
    return samples;
}

std::vector<uint8_t> EncodePcm16Wave(const std::vector<int16_t>& samples, uint32_t sampleRate) {
    const uint32_t dataBytes = uint32_t(samples.size() * 2);
    std::vector<uint8_t> out;
    PutId(out, "RIFF");
    Put32(out, 4 + 8 + 16 + 8 + dataBytes + (dataBytes & 1));
    PutId(out, "WAVE");
    PutId(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, 1); // mono
    Put32(out, sampleRate);
    Put32(out, sampleRate * 2); // bytes per second
    Put16(out, 2);              // block alignment
    Put16(out, 16);             // bits per sample
    PutId(out, "data");
    Put32(out, dataBytes);
    for (int16_t sample : samples) {
        Put16(out, uint16_t(sample));
    }
    return out;
}
