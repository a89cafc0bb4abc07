// The audio device seam: the operations the click player needs from a device with static sound
// buffers, one table per back end (DirectSound, SDL2 audio, a fake for tests).
#pragma once

#include "wave_reader.h"

#include <cstdint>

struct AudioDevice; // a back end's device object
struct AudioBuffer; // a back end's static sound buffer

inline constexpr uint32_t AudioBufferStatic = 0x2;
inline constexpr uint32_t AudioBufferControlFrequency = 0x20;
inline constexpr uint32_t AudioBufferControlPan = 0x40;
inline constexpr uint32_t AudioBufferControlVolume = 0x80;
inline constexpr uint32_t AudioBufferInHardware = 0x4; // capability flag
inline constexpr uint32_t AudioStatusPlaying = 0x1;
inline constexpr uint32_t CooperativeNormal = 1;

// Operations returning int32_t give 0 on success. Every entry of a table is filled.
struct AudioDeviceOps {
    const char* Name;
    int32_t (*Create)(AudioDevice** device);
    int32_t (*SetCooperativeLevel)(AudioDevice* device, void* window, uint32_t level);
    int32_t (*CreateBuffer)(AudioDevice* device, const WaveFormat* format, uint32_t bytes,
                            uint32_t flags, AudioBuffer** buffer);
    // One writable region of the whole buffer, from offset 0.
    int32_t (*Lock)(AudioBuffer* buffer, uint32_t bytes, void** region, uint32_t* regionBytes);
    int32_t (*Unlock)(AudioBuffer* buffer, void* region, uint32_t bytes);
    int32_t (*SetVolume)(AudioBuffer* buffer, int32_t volume);
    int32_t (*SetPan)(AudioBuffer* buffer, int32_t pan);
    int32_t (*GetCaps)(AudioBuffer* buffer, uint32_t* flags);
    int32_t (*GetStatus)(AudioBuffer* buffer, uint32_t* status);
    int32_t (*SetCurrentPosition)(AudioBuffer* buffer, uint32_t position);
    int32_t (*Play)(AudioBuffer* buffer); // once, from the current position
    void (*Stop)(AudioBuffer* buffer);
    void (*ReleaseBuffer)(AudioBuffer* buffer);
    void (*ReleaseDevice)(AudioDevice* device);
    // The audio compression manager's answer (acmMetrics); 0 where the platform has none.
    int32_t (*CheckCompressionManager)();
};

// This platform's device: DirectSound on Windows, SDL2 audio elsewhere.
const AudioDeviceOps* PlatformAudioDevice();

// The device the player uses from its next call on; null restores the platform's.
void SetAudioDevice(const AudioDeviceOps* ops);
const AudioDeviceOps* CurrentAudioDevice();
