// The WAV file reader: a RIFF/"WAVE" file's format block and sample data, with integer codes.
#pragma once

#include "riff_io.h"

#include <cstdint>

inline constexpr int32_t WaveNoMemory = 0xE000;      // a format or data block not allocated
inline constexpr int32_t WaveOpenFailed = 0xE100;    // the file did not open
inline constexpr int32_t WaveNotRiffWave = 0xE101;   // not RIFF/"WAVE", or a bad "fmt " chunk
inline constexpr int32_t WaveShortRead = 0xE102;     // the format or its extra size fell short
inline constexpr int32_t WaveDataTruncated = 0xE103; // the file ends inside the sample data
inline constexpr int32_t WaveBufferStateFailed = 1;  // the I/O buffer's state was not had
// Any other nonzero code is the file I/O service's own, passed on unchanged.

inline constexpr uint16_t WaveFormatPcm = 1;

#pragma pack(push, 2)
// Laid out like WAVEFORMATEX; ExtraSize bytes follow it in the same block.
struct WaveFormat {
    uint16_t FormatTag;
    uint16_t Channels;
    uint32_t SamplesPerSec;
    uint32_t AvgBytesPerSec;
    uint16_t BlockAlign;
    uint16_t BitsPerSample;
    uint16_t ExtraSize;
};
#pragma pack(pop)
static_assert(sizeof(WaveFormat) == 18);

inline const uint8_t* ExtraFormatBytes(const WaveFormat* format) {
    return reinterpret_cast<const uint8_t*>(format) + sizeof(WaveFormat);
}

// Opens a WAV file and reads its format into a new block. On success the file is positioned
// after the "fmt " chunk and riff describes the outer chunk; on failure nothing stays open or
// allocated and *file and *format are null.
int32_t OpenWaveFile(const char* path, RiffFile** file, WaveFormat** format, RiffChunk* riff);

// Frees the format block and closes the file, each if present, and nulls both. Returns 0.
int32_t CloseWaveFile(RiffFile** file, WaveFormat** format);

// Positions the file at the first byte of the "data" chunk, wherever it stands in the "RIFF"
// chunk, and fills data.
int32_t FindWaveData(RiffFile* file, RiffChunk* data, const RiffChunk* riff);

// Reads up to bytes of what is left of the data chunk, and takes them off data->Size.
int32_t ReadWaveData(RiffFile* file, uint32_t bytes, uint8_t* destination, RiffChunk* data,
                     uint32_t* bytesRead);

// Reads a whole WAV file. On success the caller owns *format and *data (free both with
// SoundFree); on failure both are null and *size is 0.
int32_t LoadWaveFile(const char* path, uint32_t* size, WaveFormat** format, uint8_t** data);

// 1 when the file opens as a WAV file and its format is PCM, else 0.
int32_t IsPcmWaveFile(const char* path);
