// The fake audio device: records every call, plays nothing, and fails any chosen operation.
#pragma once

#include "audio_device.h"

#include <string>
#include <vector>

struct FakeAudioState {
    std::vector<std::string> Calls; // e.g. "Create", "Lock(bytes=12)", "SetCurrentPosition(0)"
    std::string FailOperation;      // the name of the operation to fail ("" none)
    int FailOnCall = 1;             // which call of it fails, counting from 1; 0 every call
    int32_t LiveDevices = 0;
    int32_t LiveBuffers = 0;
    int32_t LockedRegions = 0;
    uint32_t CapsFlags = AudioBufferStatic | AudioBufferControlFrequency | AudioBufferControlPan |
                         AudioBufferControlVolume;
    uint32_t LockShortBy = 0;          // hands out a region this much smaller than asked
    std::vector<uint8_t> LastContents; // the bytes of the last buffer unlocked
    WaveFormat LastFormat{};           // the format the last buffer was created with
};

extern const AudioDeviceOps FakeAudioDevice;

FakeAudioState& FakeAudio();
void ResetFakeAudio();
// Every buffer reaches the end of its sound.
void FinishFakePlayback();
