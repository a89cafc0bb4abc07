// The fake audio device: a first-class back end for tests, with buffers in ordinary memory.
#include "audio_device_fake.h"

#include <algorithm>
#include <cstring>
#include <map>

struct AudioDevice {
    int Serial;
};

struct AudioBuffer {
    std::vector<uint8_t> Bytes;
    bool Playing = false;
};

namespace {

constexpr int32_t Failed = -1;

FakeAudioState state;
std::map<std::string, int> callsByOperation;
std::vector<AudioBuffer*> buffers;

// Records the call and says whether it is the one chosen to fail.
bool Fails(const std::string& operation, const std::string& arguments = "") {
    state.Calls.push_back(arguments.empty() ? operation : operation + "(" + arguments + ")");
    const int call = ++callsByOperation[operation];
    return operation == state.FailOperation && (state.FailOnCall == 0 || call == state.FailOnCall);
}

int32_t Create(AudioDevice** device) {
    *device = nullptr;
    if (Fails("Create")) {
        return Failed;
    }
    *device = new AudioDevice{state.LiveDevices};
    ++state.LiveDevices;
    return 0;
}

int32_t SetCooperativeLevel(AudioDevice*, void*, uint32_t level) {
    return Fails("SetCooperativeLevel", std::to_string(level)) ? Failed : 0;
}

int32_t CreateBuffer(AudioDevice*, const WaveFormat* format, uint32_t bytes, uint32_t flags,
                     AudioBuffer** buffer) {
    *buffer = nullptr;
    if (Fails("CreateBuffer",
              "bytes=" + std::to_string(bytes) + " flags=" + std::to_string(flags))) {
        return Failed;
    }
    state.LastFormat = *format;
    *buffer = new AudioBuffer{std::vector<uint8_t>(bytes), false};
    buffers.push_back(*buffer);
    ++state.LiveBuffers;
    return 0;
}

int32_t Lock(AudioBuffer* buffer, uint32_t bytes, void** region, uint32_t* regionBytes) {
    if (Fails("Lock", "bytes=" + std::to_string(bytes)) || bytes > buffer->Bytes.size()) {
        return Failed;
    }
    *region = buffer->Bytes.data();
    *regionBytes = bytes - std::min(bytes, state.LockShortBy);
    ++state.LockedRegions;
    return 0;
}

int32_t Unlock(AudioBuffer* buffer, void*, uint32_t bytes) {
    --state.LockedRegions;
    if (Fails("Unlock", "bytes=" + std::to_string(bytes))) {
        return Failed;
    }
    state.LastContents = buffer->Bytes;
    return 0;
}

int32_t SetVolume(AudioBuffer*, int32_t volume) {
    return Fails("SetVolume", std::to_string(volume)) ? Failed : 0;
}

int32_t SetPan(AudioBuffer*, int32_t pan) {
    return Fails("SetPan", std::to_string(pan)) ? Failed : 0;
}

int32_t GetCaps(AudioBuffer*, uint32_t* flags) {
    if (Fails("GetCaps")) {
        return Failed;
    }
    *flags = state.CapsFlags;
    return 0;
}

int32_t GetStatus(AudioBuffer* buffer, uint32_t* status) {
    if (Fails("GetStatus")) {
        return Failed;
    }
    *status = buffer->Playing ? AudioStatusPlaying : 0;
    return 0;
}

int32_t SetCurrentPosition(AudioBuffer*, uint32_t position) {
    return Fails("SetCurrentPosition", std::to_string(position)) ? Failed : 0;
}

int32_t Play(AudioBuffer* buffer) {
    if (Fails("Play")) {
        return Failed;
    }
    buffer->Playing = true;
    return 0;
}

void Stop(AudioBuffer* buffer) {
    Fails("Stop");
    buffer->Playing = false;
}

void ReleaseBuffer(AudioBuffer* buffer) {
    Fails("ReleaseBuffer");
    std::erase(buffers, buffer);
    delete buffer;
    --state.LiveBuffers;
}

void ReleaseDevice(AudioDevice* device) {
    Fails("ReleaseDevice");
    delete device;
    --state.LiveDevices;
}

int32_t CheckCompressionManager() {
    return Fails("CheckCompressionManager") ? Failed : 0;
}

} // namespace

const AudioDeviceOps FakeAudioDevice{
    .Name = "fake",
    .Create = Create,
    .SetCooperativeLevel = SetCooperativeLevel,
    .CreateBuffer = CreateBuffer,
    .Lock = Lock,
    .Unlock = Unlock,
    .SetVolume = SetVolume,
    .SetPan = SetPan,
    .GetCaps = GetCaps,
    .GetStatus = GetStatus,
    .SetCurrentPosition = SetCurrentPosition,
    .Play = Play,
    .Stop = Stop,
    .ReleaseBuffer = ReleaseBuffer,
    .ReleaseDevice = ReleaseDevice,
    .CheckCompressionManager = CheckCompressionManager,
};

FakeAudioState& FakeAudio() {
    return state;
}

void ResetFakeAudio() {
    state = FakeAudioState{};
    callsByOperation.clear();
}

void FinishFakePlayback() {
    for (AudioBuffer* buffer : buffers) {
        buffer->Playing = false;
    }
}
