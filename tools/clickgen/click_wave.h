// The click sound: a short, fast-decaying burst as 16-bit PCM mono, and its WAV file form.
#pragma once

#include <cstdint>
#include <vector>

inline constexpr uint32_t ClickSampleRate = 22050;
inline constexpr uint32_t ClickSamples = ClickSampleRate * 30 / 1000; // 30 ms

// The same samples on every call.
std::vector<int16_t> MakeClickSamples();

// A complete WAV file: "RIFF"/"WAVE", a 16-byte PCM "fmt " chunk and the "data" chunk.
std::vector<uint8_t> EncodePcm16Wave(const std::vector<int16_t>& samples, uint32_t sampleRate);
