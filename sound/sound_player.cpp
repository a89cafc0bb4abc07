// The click sound player: the table of sounds, their creation, start and release.
#include "sound_player.h"

#include "audio_device.h"
#include "message_sink.h"
#include "sound_memory.h"
#include "wave_reader.h"

#include <cstring>

namespace {

constexpr int32_t SoundTableSize = 32;
constexpr size_t LongestPath = 255;
constexpr uint32_t StaticBufferFlags = AudioBufferStatic | AudioBufferControlFrequency |
                                       AudioBufferControlPan | AudioBufferControlVolume;

constexpr char SetUpCaption[] = "Soundlib-Fehler";
constexpr char PlayCaption[] = "Direct Sound Error";

struct SoundRecord {
    uint8_t* WaveData;
    uint32_t DataSize;
    WaveFormat* Format;
    int32_t InHardware;
    AudioBuffer* Buffer;
    const AudioDeviceOps* Device; // the back end that made the buffer
};

struct SoundTable {
    SoundRecord* Entries[SoundTableSize];
    int32_t LiveSounds;
};

SoundTable table{};
// One device serves every live sound: made by the first creation, released with the last
// sound, so that no buffer outlives the device it was made on.
struct SoundDevice {
    AudioDevice* Object;
    const AudioDeviceOps* Ops;
};
SoundDevice soundDevice{};

SoundRecord* LookUp(SoundHandle handle) {
    if (handle < 1 || handle > SoundTableSize) {
        return nullptr;
    }
    return table.Entries[handle - 1];
}

bool PathFits(const char* path) {
    return path && std::strlen(path) <= LongestPath;
}

// The steps of a creation that own something to undo when a later step fails.
struct Creation {
    SoundRecord* Record = nullptr;
    bool MadeDevice = false;
    void* LockedRegion = nullptr;
};

void UndoCreation(const AudioDeviceOps& device, Creation& creation) {
    SoundRecord* record = creation.Record;
    if (creation.LockedRegion) {
        device.Unlock(record->Buffer, creation.LockedRegion, record->DataSize);
    }
    if (record->Buffer) {
        device.ReleaseBuffer(record->Buffer);
    }
    if (creation.MadeDevice) {
        device.ReleaseDevice(soundDevice.Object);
        soundDevice = SoundDevice{};
    }
    SoundFree(record->WaveData);
    SoundFree(record->Format);
    SoundFree(record);
}

bool FillBuffer(const AudioDeviceOps& device, Creation& creation) {
    SoundRecord& record = *creation.Record;
    void* region = nullptr;
    uint32_t regionBytes = 0;
    if (device.Lock(record.Buffer, record.DataSize, &region, &regionBytes) != 0) {
        return false;
    }
    creation.LockedRegion = region;
    if (!region || regionBytes < record.DataSize) {
        return false; // a device that hands out less than it was asked for
    }
    std::memcpy(region, record.WaveData, record.DataSize);
    if (device.Unlock(record.Buffer, region, record.DataSize) != 0) {
        creation.LockedRegion = nullptr; // the device will not take it back a second time
        return false;
    }
    creation.LockedRegion = nullptr;
    return true;
}

// Steps from the device onwards; false when one fails, with nothing shown.
bool SetUpBuffer(const AudioDeviceOps& device, void* window, Creation& creation) {
    SoundRecord& record = *creation.Record;
    if (!soundDevice.Object) {
        if (device.Create(&soundDevice.Object) != 0 || !soundDevice.Object) {
            soundDevice = SoundDevice{};
            return false;
        }
        soundDevice.Ops = &device;
        creation.MadeDevice = true;
    } else if (soundDevice.Ops != &device) {
        return false; // the back end was switched while sounds of the old one live
    }
    device.SetCooperativeLevel(soundDevice.Object, window, CooperativeNormal);
    if (device.CreateBuffer(soundDevice.Object, record.Format, record.DataSize, StaticBufferFlags,
                            &record.Buffer) != 0 ||
        !record.Buffer) {
        record.Buffer = nullptr;
        return false;
    }
    if (!FillBuffer(device, creation)) {
        return false;
    }
    if (device.SetVolume(record.Buffer, 0) != 0 || device.SetPan(record.Buffer, 0) != 0) {
        return false;
    }
    uint32_t caps = 0;
    if (device.GetCaps(record.Buffer, &caps) != 0) {
        return false;
    }
    record.InHardware = (caps & AudioBufferInHardware) ? 1 : 0;
    return true;
}

SoundHandle FailCreation(const AudioDeviceOps& device, Creation& creation, void* window,
                         const char* message) {
    if (message) {
        ShowMessage(window, message, SetUpCaption, MessageStyleError);
    }
    UndoCreation(device, creation);
    return 0;
}

} // namespace

SoundHandle FindFreeSoundEntry() {
    if (table.LiveSounds <= 0) {
        table = SoundTable{};
        return 1;
    }
    for (int32_t i = 0; i < SoundTableSize; ++i) {
        if (!table.Entries[i]) {
            return i + 1;
        }
    }
    return 0;
}

SoundHandle CreateSound(void* window, const char* path) {
    const SoundHandle handle = FindFreeSoundEntry();
    if (handle == 0) {
        return 0;
    }
    if (!PathFits(path) || IsPcmWaveFile(path) != 1) {
        ShowMessage(window, "Sound-File ungueltig\n", SetUpCaption, MessageStyleError);
        return 0;
    }
    Creation creation;
    creation.Record = static_cast<SoundRecord*>(SoundAllocate(sizeof(SoundRecord)));
    if (!creation.Record) {
        ShowMessage(window, "Kann keinen Speicher allokieren", SetUpCaption, MessageStyleError);
        return 0;
    }
    *creation.Record = SoundRecord{};
    SoundRecord& record = *creation.Record;
    const AudioDeviceOps& device = *CurrentAudioDevice();
    record.Device = &device;
    if (LoadWaveFile(path, &record.DataSize, &record.Format, &record.WaveData) != 0) {
        return FailCreation(device, creation, window,
                            "Ungueltiges Format oder nicht genuegend Speicher");
    }
    if (device.CheckCompressionManager() != 0) {
        return FailCreation(device, creation, window, "ACM Metrics failed, aborting");
    }
    if (!SetUpBuffer(device, window, creation)) {
        return FailCreation(device, creation, window, nullptr);
    }
    table.Entries[handle - 1] = creation.Record;
    ++table.LiveSounds;
    return handle;
}

int32_t StartSound(SoundHandle handle) {
    SoundRecord* record = LookUp(handle);
    if (!record) {
        return 0;
    }
    const AudioDeviceOps& device = *record->Device;
    uint32_t status = 0;
    if (device.GetStatus(record->Buffer, &status) == 0 && (status & AudioStatusPlaying)) {
        // Rewinding rather than starting again: the click never overlaps itself.
        if (device.SetCurrentPosition(record->Buffer, 0) != 0) {
            ShowMessage(nullptr, "Cannot set current position", PlayCaption, MessageStyleOk);
        }
        return 1;
    }
    if (device.Play(record->Buffer) != 0) {
        ShowMessage(nullptr, "Cannot start playing", PlayCaption, MessageStyleOk);
    }
    return 1;
}

void ReleaseSound(SoundHandle handle) {
    SoundRecord* record = LookUp(handle);
    if (!record) {
        return;
    }
    const AudioDeviceOps& device = *record->Device;
    if (record->Buffer) {
        device.Stop(record->Buffer);
        device.ReleaseBuffer(record->Buffer);
    }
    --table.LiveSounds;
    if (table.LiveSounds <= 0 && soundDevice.Object) {
        soundDevice.Ops->ReleaseDevice(soundDevice.Object);
        soundDevice = SoundDevice{};
    }
    SoundFree(record->Format);
    SoundFree(record->WaveData);
    SoundFree(record);
    table.Entries[handle - 1] = nullptr;
}
