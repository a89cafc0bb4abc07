// The audio device over SDL2: one SDL audio device and queue per sound. Playing queues the
// samples, a restart clears and queues them again, and a sound plays while bytes are queued.
#include "audio_device.h"

#include "sound_memory.h"

#include <SDL.h>

#include <cstring>
#include <new>

struct AudioDevice {
    int Unused;
};

struct AudioBuffer {
    SDL_AudioDeviceID Id;
    uint8_t* Samples;
    uint32_t Bytes;
};

namespace {

constexpr int32_t Failed = -1;

bool ToSdlFormat(const WaveFormat& wave, SDL_AudioSpec& desired) {
    desired = SDL_AudioSpec{};
    if (wave.FormatTag != WaveFormatPcm || wave.Channels < 1 || wave.Channels > 8 ||
        wave.SamplesPerSec < 1 || wave.SamplesPerSec > 384000) {
        return false;
    }
    switch (wave.BitsPerSample) {
    case 8:
        desired.format = AUDIO_U8;
        break;
    case 16:
        desired.format = AUDIO_S16LSB;
        break;
    case 32:
        desired.format = AUDIO_S32LSB;
        break;
    default:
        return false;
    }
    desired.freq = static_cast<int>(wave.SamplesPerSec);
    desired.channels = static_cast<Uint8>(wave.Channels);
    desired.samples = 512;
    return true;
}

// Puts the whole sound into the device's queue, from its beginning.
int32_t Requeue(AudioBuffer* buffer) {
    SDL_ClearQueuedAudio(buffer->Id);
    if (SDL_QueueAudio(buffer->Id, buffer->Samples, buffer->Bytes) != 0) {
        return Failed;
    }
    SDL_PauseAudioDevice(buffer->Id, 0);
    return 0;
}

int32_t Create(AudioDevice** device) {
    *device = nullptr;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return Failed;
    }
    *device = new (std::nothrow) AudioDevice{};
    if (!*device) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return Failed;
    }
    return 0;
}

int32_t SetCooperativeLevel(AudioDevice*, void*, uint32_t) {
    return 0;
}

int32_t CreateBuffer(AudioDevice*, const WaveFormat* format, uint32_t bytes, uint32_t,
                     AudioBuffer** buffer) {
    *buffer = nullptr;
    SDL_AudioSpec wanted;
    if (!format || !ToSdlFormat(*format, wanted)) {
        return Failed;
    }
    auto* made = new (std::nothrow) AudioBuffer{};
    uint8_t* samples = static_cast<uint8_t*>(SoundAllocate(bytes > 0 ? bytes : 1));
    if (!made || !samples) {
        delete made;
        SoundFree(samples);
        return Failed;
    }
    made->Id = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0); // SDL converts for us
    if (made->Id == 0) {
        delete made;
        SoundFree(samples);
        return Failed;
    }
    std::memset(samples, 0, bytes > 0 ? bytes : 1);
    made->Samples = samples;
    made->Bytes = bytes;
    *buffer = made;
    return 0;
}

int32_t Lock(AudioBuffer* buffer, uint32_t bytes, void** region, uint32_t* regionBytes) {
    if (bytes > buffer->Bytes) {
        return Failed;
    }
    *region = buffer->Samples;
    *regionBytes = bytes;
    return 0;
}

int32_t Unlock(AudioBuffer*, void*, uint32_t) {
    return 0;
}
int32_t SetVolume(AudioBuffer*, int32_t volume) {
    return volume == 0 ? 0 : Failed;
}
int32_t SetPan(AudioBuffer*, int32_t pan) {
    return pan == 0 ? 0 : Failed;
}

int32_t GetCaps(AudioBuffer*, uint32_t* flags) {
    *flags = AudioBufferStatic | AudioBufferControlFrequency | AudioBufferControlPan |
             AudioBufferControlVolume;
    return 0;
}

int32_t GetStatus(AudioBuffer* buffer, uint32_t* status) {
    *status = SDL_GetQueuedAudioSize(buffer->Id) > 0 ? AudioStatusPlaying : 0;
    return 0;
}

int32_t SetCurrentPosition(AudioBuffer* buffer, uint32_t position) {
    return position == 0 ? Requeue(buffer) : Failed;
}

int32_t Play(AudioBuffer* buffer) {
    return Requeue(buffer);
}

void Stop(AudioBuffer* buffer) {
    SDL_PauseAudioDevice(buffer->Id, 1);
    SDL_ClearQueuedAudio(buffer->Id);
}

void ReleaseBuffer(AudioBuffer* buffer) {
    SDL_CloseAudioDevice(buffer->Id);
    SoundFree(buffer->Samples);
    delete buffer;
}

void ReleaseDevice(AudioDevice* device) {
    delete device;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int32_t CheckCompressionManager() {
    return 0;
} // SDL converts formats itself

constexpr AudioDeviceOps SdlAudioDevice{
    .Name = "sdl",
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

} // namespace

const AudioDeviceOps* PlatformAudioDevice() {
    return &SdlAudioDevice;
}
