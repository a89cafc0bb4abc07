// The RIFF file I/O seam: buffered reading of chunked files, one table of operations per back
// end (Windows multimedia file I/O, or our own reader over an ordinary file).
#pragma once

#include <cstdint>

constexpr uint32_t MakeFourCC(char a, char b, char c, char d) {
    return uint32_t(uint8_t(a)) | uint32_t(uint8_t(b)) << 8 | uint32_t(uint8_t(c)) << 16 |
           uint32_t(uint8_t(d)) << 24;
}

inline constexpr uint32_t RiffId = MakeFourCC('R', 'I', 'F', 'F');
inline constexpr uint32_t ListId = MakeFourCC('L', 'I', 'S', 'T');

// The multimedia file I/O service's own codes; our reader returns the same ones.
inline constexpr int32_t RiffCannotRead = 259;
inline constexpr int32_t RiffCannotSeek = 261;
inline constexpr int32_t RiffChunkNotFound = 265;

// Laid out like the service's MMCKINFO.
struct RiffChunk {
    uint32_t Id;
    uint32_t Size;       // bytes of chunk data, without the pad byte
    uint32_t FormType;   // "RIFF" and "LIST" chunks only
    uint32_t DataOffset; // file offset of the data; of the form type for "RIFF" and "LIST"
    uint32_t Flags;
};

// Direct access to the file's I/O buffer: bytes from Next up to EndRead are read and unused.
struct RiffBufferState {
    uint8_t* Next;
    uint8_t* EndRead;
};

struct RiffIoOps;

// Each back end extends this with its own fields.
struct RiffFile {
    const RiffIoOps* Ops;
};

// Every operation returning int32_t gives 0 or one of the service's error codes, except Read
// (bytes read, -1 on error) and Seek (the new position, -1 on error).
struct RiffIoOps {
    const char* Name;
    RiffFile* (*Open)(const char* path); // null when the file cannot be opened for reading
    // Reads the chunk header at the current position and leaves the position at its data (after
    // the form type of a "RIFF" or "LIST" chunk).
    int32_t (*Descend)(RiffFile* file, RiffChunk* chunk);
    // From the current position, skips chunks within the parent's data until one whose
    // identifier is chunk->Id, and leaves the position at its data.
    int32_t (*FindChunk)(RiffFile* file, RiffChunk* chunk, const RiffChunk* parent);
    int32_t (*Read)(RiffFile* file, void* destination, int32_t bytes);
    // Moves past the end of the chunk's data and its pad byte.
    int32_t (*Ascend)(RiffFile* file, const RiffChunk* chunk);
    int32_t (*Seek)(RiffFile* file, int32_t offset); // from the start of the file
    int64_t (*FileSize)(RiffFile* file);             // -1 when unknown
    int32_t (*GetInfo)(RiffFile* file, RiffBufferState* state);
    // Hands the consumed read pointer back and refills the buffer from the file; at the end of
    // the file both pointers come back equal.
    int32_t (*Advance)(RiffFile* file, RiffBufferState* state);
    int32_t (*SetInfo)(RiffFile* file, const RiffBufferState* state);
    void (*Close)(RiffFile* file);
    int32_t (*OpenFiles)(); // files opened through this back end and not yet closed
};

// The back ends of this platform, null-ended, the platform's default first.
const RiffIoOps* const* RiffIoBackends();

// The back end that OpenWaveFile uses; null restores the platform's default.
void SetRiffIo(const RiffIoOps* ops);
const RiffIoOps* CurrentRiffIo();
