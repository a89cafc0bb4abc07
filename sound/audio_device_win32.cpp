// The audio device on Windows: DirectSound, loaded at run time so that a module still loads
// where DSOUND.DLL is missing, and the audio compression manager's check.
#include "audio_device.h"

#include <windows.h>

#include <dsound.h>
#include <mmreg.h>
#include <msacm.h>
#include <new>

struct AudioDevice {
    IDirectSound* Object;
};

struct AudioBuffer {
    IDirectSoundBuffer* Object;
};

namespace {

constexpr int32_t Failed = -1;

using DirectSoundCreateFunction = HRESULT(WINAPI*)(LPCGUID, LPDIRECTSOUND*, LPUNKNOWN);

DirectSoundCreateFunction LoadDirectSound() {
    static HMODULE library = LoadLibraryA("DSOUND.DLL"); // kept for the life of the process
    if (!library) {
        return nullptr;
    }
    FARPROC entry = GetProcAddress(library, "DirectSoundCreate");
    return reinterpret_cast<DirectSoundCreateFunction>(reinterpret_cast<void (*)()>(entry));
}

int32_t Create(AudioDevice** device) {
    *device = nullptr;
    DirectSoundCreateFunction directSoundCreate = LoadDirectSound();
    IDirectSound* object = nullptr;
    if (!directSoundCreate || FAILED(directSoundCreate(nullptr, &object, nullptr)) || !object) {
        return Failed;
    }
    *device = new (std::nothrow) AudioDevice{object};
    if (!*device) {
        object->Release();
        return Failed;
    }
    return 0;
}

int32_t SetCooperativeLevel(AudioDevice* device, void* window, uint32_t level) {
    return device->Object->SetCooperativeLevel(static_cast<HWND>(window), level);
}

int32_t CreateBuffer(AudioDevice* device, const WaveFormat* format, uint32_t bytes, uint32_t flags,
                     AudioBuffer** buffer) {
    *buffer = nullptr;
    DSBUFFERDESC description{};
    description.dwSize = sizeof(DSBUFFERDESC1); // the 20-byte form every version knows
    description.dwFlags = flags;
    description.dwBufferBytes = bytes;
    description.dwReserved = 0;
    // The format block is laid out as WAVEFORMATEX; DirectSound only reads it.
    description.lpwfxFormat = reinterpret_cast<WAVEFORMATEX*>(const_cast<WaveFormat*>(format));
    IDirectSoundBuffer* object = nullptr;
    const HRESULT result = device->Object->CreateSoundBuffer(&description, &object, nullptr);
    if (FAILED(result) || !object) {
        return result == 0 ? Failed : result;
    }
    *buffer = new (std::nothrow) AudioBuffer{object};
    if (!*buffer) {
        object->Release();
        return Failed;
    }
    return 0;
}

int32_t Lock(AudioBuffer* buffer, uint32_t bytes, void** region, uint32_t* regionBytes) {
    DWORD firstBytes = 0;
    void* second = nullptr;
    DWORD secondBytes = 0;
    const HRESULT result =
        buffer->Object->Lock(0, bytes, region, &firstBytes, &second, &secondBytes, 0);
    *regionBytes = firstBytes;
    return result;
}

int32_t Unlock(AudioBuffer* buffer, void* region, uint32_t bytes) {
    return buffer->Object->Unlock(region, bytes, nullptr, 0);
}

int32_t SetVolume(AudioBuffer* buffer, int32_t volume) {
    return buffer->Object->SetVolume(volume);
}

int32_t SetPan(AudioBuffer* buffer, int32_t pan) {
    return buffer->Object->SetPan(pan);
}

int32_t GetCaps(AudioBuffer* buffer, uint32_t* flags) {
    DSBCAPS caps{};
    caps.dwSize = sizeof(DSBCAPS);
    const HRESULT result = buffer->Object->GetCaps(&caps);
    *flags = caps.dwFlags;
    return result;
}

int32_t GetStatus(AudioBuffer* buffer, uint32_t* status) {
    DWORD value = 0;
    const HRESULT result = buffer->Object->GetStatus(&value);
    *status = value;
    return result;
}

int32_t SetCurrentPosition(AudioBuffer* buffer, uint32_t position) {
    return buffer->Object->SetCurrentPosition(position);
}

int32_t Play(AudioBuffer* buffer) {
    return buffer->Object->Play(0, 0, 0);
}

void Stop(AudioBuffer* buffer) {
    buffer->Object->Stop();
}

void ReleaseBuffer(AudioBuffer* buffer) {
    buffer->Object->Release();
    delete buffer;
}

void ReleaseDevice(AudioDevice* device) {
    device->Object->Release();
    delete device;
}

int32_t CheckCompressionManager() {
    DWORD largestFormat = 0;
    return acmMetrics(nullptr, ACM_METRIC_MAX_SIZE_FORMAT, &largestFormat);
}

constexpr AudioDeviceOps DirectSoundDevice{
    .Name = "directsound",
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
    return &DirectSoundDevice;
}
