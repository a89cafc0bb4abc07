// The WAV file reader: walks the RIFF chunks through the file I/O seam, reading every field
// byte-wise little-endian and never past the chunk that holds it.
#include "wave_reader.h"

#include "sound_memory.h"

#include <cstring>

namespace {

constexpr uint32_t WaveForm = MakeFourCC('W', 'A', 'V', 'E');
constexpr uint32_t FormatId = MakeFourCC('f', 'm', 't', ' ');
constexpr uint32_t DataId = MakeFourCC('d', 'a', 't', 'a');
constexpr uint32_t FormatFieldBytes = 16; // tag up to bits per sample
constexpr uint32_t ExtraSizeBytes = 2;

uint16_t Little16(const uint8_t* bytes) {
    return uint16_t(bytes[0] | bytes[1] << 8);
}

uint32_t Little32(const uint8_t* bytes) {
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
           uint32_t(bytes[3]) << 24;
}

bool ReadExactly(RiffFile* file, void* destination, uint32_t bytes) {
    return file->Ops->Read(file, destination, static_cast<int32_t>(bytes)) ==
           static_cast<int32_t>(bytes);
}

void CopyFormatFields(const uint8_t* fields, uint16_t extraSize, WaveFormat* format) {
    format->FormatTag = Little16(fields);
    format->Channels = Little16(fields + 2);
    format->SamplesPerSec = Little32(fields + 4);
    format->AvgBytesPerSec = Little32(fields + 8);
    format->BlockAlign = Little16(fields + 12);
    format->BitsPerSample = Little16(fields + 14);
    format->ExtraSize = extraSize;
}

// Reads the "fmt " chunk at the current position into a new block in *format.
int32_t ReadFormat(RiffFile* file, const RiffChunk& chunk, WaveFormat** format) {
    if (chunk.Size < FormatFieldBytes) {
        return WaveNotRiffWave;
    }
    uint8_t fields[FormatFieldBytes];
    if (!ReadExactly(file, fields, FormatFieldBytes)) {
        return WaveShortRead;
    }
    uint16_t extraSize = 0;
    if (Little16(fields) != WaveFormatPcm) {
        // Reading past the chunk would take the next chunk's header for the extra size.
        uint8_t extra[ExtraSizeBytes];
        if (chunk.Size < FormatFieldBytes + ExtraSizeBytes ||
            !ReadExactly(file, extra, ExtraSizeBytes)) {
            return WaveShortRead;
        }
        extraSize = Little16(extra);
    }
    auto* block = static_cast<WaveFormat*>(SoundAllocate(sizeof(WaveFormat) + extraSize));
    if (!block) {
        return WaveNoMemory;
    }
    *format = block;
    CopyFormatFields(fields, extraSize, block);
    if (extraSize > 0) {
        const uint32_t room = chunk.Size - FormatFieldBytes - ExtraSizeBytes;
        auto* extraBytes = reinterpret_cast<uint8_t*>(block) + sizeof(WaveFormat);
        if (extraSize > room || !ReadExactly(file, extraBytes, extraSize)) {
            return WaveNotRiffWave;
        }
    }
    return file->Ops->Ascend(file, &chunk);
}

int32_t OpenAndReadFormat(RiffFile* file, WaveFormat** format, RiffChunk* riff) {
    if (int32_t code = file->Ops->Descend(file, riff); code != 0) {
        return code;
    }
    if (riff->Id != RiffId || riff->FormType != WaveForm) {
        return WaveNotRiffWave;
    }
    RiffChunk chunk{};
    chunk.Id = FormatId;
    if (int32_t code = file->Ops->FindChunk(file, &chunk, riff); code != 0) {
        return code;
    }
    return ReadFormat(file, chunk, format);
}

// A data chunk that claims more than the file holds cannot be read whole; knowing that before
// allocating keeps a damaged file from asking for up to 4 GiB.
bool DataRunsPastEnd(RiffFile* file, const RiffChunk& data) {
    const int64_t size = file->Ops->FileSize(file);
    return size >= 0 && int64_t(data.DataOffset) + data.Size > size;
}

int32_t ReadAllData(RiffFile* file, RiffChunk* data, uint8_t** block, uint32_t* size) {
    if (DataRunsPastEnd(file, *data)) {
        return WaveDataTruncated;
    }
    // One byte at least: an empty chunk is not a failed allocation.
    *block = static_cast<uint8_t*>(SoundAllocate(data->Size > 0 ? data->Size : 1));
    if (!*block) {
        return WaveNoMemory;
    }
    return ReadWaveData(file, data->Size, *block, data, size);
}

} // namespace

int32_t OpenWaveFile(const char* path, RiffFile** file, WaveFormat** format, RiffChunk* riff) {
    *format = nullptr;
    *file = CurrentRiffIo()->Open(path);
    if (!*file) {
        return WaveOpenFailed;
    }
    const int32_t code = OpenAndReadFormat(*file, format, riff);
    if (code != 0) {
        CloseWaveFile(file, format);
    }
    return code;
}

int32_t CloseWaveFile(RiffFile** file, WaveFormat** format) {
    SoundFree(*format);
    *format = nullptr;
    if (*file) {
        (*file)->Ops->Close(*file);
        *file = nullptr;
    }
    return 0;
}

int32_t FindWaveData(RiffFile* file, RiffChunk* data, const RiffChunk* riff) {
    if (!file) {
        return WaveOpenFailed;
    }
    // The first chunk after the form type: "data" may stand before "fmt ".
    file->Ops->Seek(file, static_cast<int32_t>(riff->DataOffset + 4));
    data->Id = DataId;
    return file->Ops->FindChunk(file, data, riff);
}

int32_t ReadWaveData(RiffFile* file, uint32_t bytes, uint8_t* destination, RiffChunk* data,
                     uint32_t* bytesRead) {
    *bytesRead = 0;
    RiffBufferState state{};
    if (!file || file->Ops->GetInfo(file, &state) != 0) {
        return WaveBufferStateFailed;
    }
    if (bytes > data->Size) {
        bytes = data->Size;
    }
    data->Size -= bytes;
    for (uint32_t i = 0; i < bytes; ++i) {
        if (state.Next == state.EndRead) {
            if (int32_t code = file->Ops->Advance(file, &state); code != 0) {
                return code;
            }
            if (state.Next == state.EndRead) {
                return WaveDataTruncated;
            }
        }
        destination[i] = *state.Next++;
    }
    if (int32_t code = file->Ops->SetInfo(file, &state); code != 0) {
        return code;
    }
    *bytesRead = bytes;
    return 0;
}

int32_t LoadWaveFile(const char* path, uint32_t* size, WaveFormat** format, uint8_t** data) {
    *data = nullptr;
    *format = nullptr;
    *size = 0;
    RiffFile* file = nullptr;
    RiffChunk riff{};
    int32_t code = OpenWaveFile(path, &file, format, &riff);
    if (code != 0) {
        return code;
    }
    RiffChunk chunk{};
    code = FindWaveData(file, &chunk, &riff);
    if (code == 0) {
        code = ReadAllData(file, &chunk, data, size);
    }
    if (code != 0) {
        SoundFree(*data);
        *data = nullptr;
        *size = 0;
        CloseWaveFile(&file, format);
        return code;
    }
    WaveFormat* keep = *format; // the caller's from here on
    WaveFormat* none = nullptr;
    CloseWaveFile(&file, &none);
    *format = keep;
    return 0;
}

int32_t IsPcmWaveFile(const char* path) {
    RiffFile* file = nullptr;
    WaveFormat* format = nullptr;
    RiffChunk riff{};
    if (OpenWaveFile(path, &file, &format, &riff) != 0) {
        return 0;
    }
    const uint16_t tag = format->FormatTag;
    CloseWaveFile(&file, &format);
    return tag == WaveFormatPcm ? 1 : 0;
}
