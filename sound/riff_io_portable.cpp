// Our own buffered RIFF reader over an ordinary file: the multimedia file I/O operations that the
// WAV reader needs, for platforms without them.
#include "riff_io_portable.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <new>
#include <string>
#include <system_error>

namespace {

constexpr size_t BufferBytes = 8192;          // the multimedia service's default I/O buffer
constexpr int64_t LargestOffset = 0xFFFFFFFF; // chunk records hold 32-bit offsets

struct PortableFile : RiffFile {
    FILE* Stream = nullptr;
    int64_t Size = 0;
    int64_t BufferStart = 0; // file offset of Buffer[0]
    size_t Next = 0;         // read index into Buffer
    size_t End = 0;          // bytes of Buffer holding file data
    uint8_t Buffer[BufferBytes];
};

int32_t openFiles = 0;

PortableFile* AsPortable(RiffFile* file) {
    return static_cast<PortableFile*>(file);
}

int64_t Position(const PortableFile& file) {
    return file.BufferStart + static_cast<int64_t>(file.Next);
}

// Keeps the buffer when the new position lies inside it, so seeks back are cheap.
void MoveTo(PortableFile& file, int64_t position) {
    if (position >= file.BufferStart && position <= file.BufferStart + int64_t(file.End)) {
        file.Next = static_cast<size_t>(position - file.BufferStart);
        return;
    }
    file.BufferStart = position;
    file.Next = file.End = 0;
}

// Drops the consumed bytes and reads the next stretch of the file. False on a read error.
bool Refill(PortableFile& file) {
    file.BufferStart = Position(file);
    file.Next = file.End = 0;
    if (file.BufferStart >= file.Size) {
        return true;
    }
    if (std::fseek(file.Stream, static_cast<long>(file.BufferStart), SEEK_SET) != 0) {
        return false;
    }
    file.End = std::fread(file.Buffer, 1, BufferBytes, file.Stream);
    return file.End > 0 || !std::ferror(file.Stream);
}

int32_t ReadBytes(PortableFile& file, uint8_t* destination, int32_t bytes) {
    int32_t done = 0;
    while (done < bytes) {
        if (file.Next == file.End) {
            if (!Refill(file)) {
                return done > 0 ? done : -1;
            }
            if (file.End == 0) {
                break; // end of file
            }
        }
        destination[done++] = file.Buffer[file.Next++];
    }
    return done;
}

uint32_t Little32(const uint8_t* bytes) {
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
           uint32_t(bytes[3]) << 24;
}

// Reads the header at the current position into chunk, as the service's descend does.
int32_t ReadHeader(PortableFile& file, RiffChunk* chunk) {
    const int64_t start = Position(file);
    uint8_t header[8];
    if (start + 8 > LargestOffset || ReadBytes(file, header, 8) != 8) {
        return RiffChunkNotFound;
    }
    chunk->Id = Little32(header);
    chunk->Size = Little32(header + 4);
    chunk->FormType = 0;
    chunk->Flags = 0;
    chunk->DataOffset = static_cast<uint32_t>(start + 8);
    if (chunk->Id == RiffId || chunk->Id == ListId) {
        uint8_t form[4];
        if (ReadBytes(file, form, 4) != 4) {
            return RiffChunkNotFound;
        }
        chunk->FormType = Little32(form);
    }
    return 0;
}

// Where a chunk's data ends, with its pad byte; 64-bit so that no size can wrap.
int64_t PaddedEnd(const RiffChunk& chunk) {
    return int64_t(chunk.DataOffset) + chunk.Size + (chunk.Size & 1);
}

std::string NormalisedPath(const char* path) {
    std::string normalised = path;
    for (char& c : normalised) {
        if (c == '\\') {
            c = '/';
        }
    }
    return normalised;
}

RiffFile* Open(const char* path) {
    if (!path || !*path) {
        return nullptr;
    }
    const std::string name = NormalisedPath(path);
    std::error_code error;
    if (!std::filesystem::is_regular_file(name, error)) {
        return nullptr;
    }
    FILE* stream = std::fopen(name.c_str(), "rb");
    if (!stream) {
        return nullptr;
    }
    long size = -1;
    if (std::fseek(stream, 0, SEEK_END) == 0) {
        size = std::ftell(stream);
    }
    auto* file = size >= 0 ? new (std::nothrow) PortableFile : nullptr;
    if (!file) {
        std::fclose(stream);
        return nullptr;
    }
    file->Ops = &PortableRiffIo;
    file->Stream = stream;
    file->Size = size;
    ++openFiles;
    return file;
}

int32_t Descend(RiffFile* file, RiffChunk* chunk) {
    return ReadHeader(*AsPortable(file), chunk);
}

int32_t FindChunk(RiffFile* file, RiffChunk* chunk, const RiffChunk* parent) {
    PortableFile& f = *AsPortable(file);
    const uint32_t wanted = chunk->Id;
    const int64_t limit = parent ? std::min(PaddedEnd(*parent), f.Size) : f.Size;
    while (Position(f) + 8 <= limit) {
        if (int32_t code = ReadHeader(f, chunk); code != 0) {
            return code;
        }
        if (chunk->Id == wanted) {
            return 0;
        }
        const int64_t next = PaddedEnd(*chunk);
        if (next > LargestOffset) {
            break;
        }
        MoveTo(f, next);
    }
    chunk->Id = wanted;
    return RiffChunkNotFound;
}

int32_t Read(RiffFile* file, void* destination, int32_t bytes) {
    if (bytes < 0) {
        return -1;
    }
    return ReadBytes(*AsPortable(file), static_cast<uint8_t*>(destination), bytes);
}

int32_t Ascend(RiffFile* file, const RiffChunk* chunk) {
    const int64_t end = PaddedEnd(*chunk);
    if (end > LargestOffset) {
        return RiffCannotSeek;
    }
    MoveTo(*AsPortable(file), end);
    return 0;
}

int32_t Seek(RiffFile* file, int32_t offset) {
    if (offset < 0) {
        return -1;
    }
    MoveTo(*AsPortable(file), offset);
    return offset;
}

int64_t FileSize(RiffFile* file) {
    return AsPortable(file)->Size;
}

void FillState(PortableFile& file, RiffBufferState* state) {
    state->Next = file.Buffer + file.Next;
    state->EndRead = file.Buffer + file.End;
}

// Takes the caller's read pointer back; false when it does not point into the read data.
bool TakeReadPointer(PortableFile& file, const RiffBufferState* state) {
    if (state->Next < file.Buffer || state->Next > file.Buffer + file.End) {
        return false;
    }
    file.Next = static_cast<size_t>(state->Next - file.Buffer);
    return true;
}

int32_t GetInfo(RiffFile* file, RiffBufferState* state) {
    FillState(*AsPortable(file), state);
    return 0;
}

int32_t Advance(RiffFile* file, RiffBufferState* state) {
    PortableFile& f = *AsPortable(file);
    if (!TakeReadPointer(f, state) || !Refill(f)) {
        return RiffCannotRead;
    }
    FillState(f, state);
    return 0;
}

int32_t SetInfo(RiffFile* file, const RiffBufferState* state) {
    return TakeReadPointer(*AsPortable(file), state) ? 0 : RiffCannotRead;
}

void Close(RiffFile* file) {
    PortableFile* f = AsPortable(file);
    std::fclose(f->Stream);
    delete f;
    --openFiles;
}

int32_t OpenFiles() {
    return openFiles;
}

} // namespace

const RiffIoOps PortableRiffIo{
    .Name = "portable",
    .Open = Open,
    .Descend = Descend,
    .FindChunk = FindChunk,
    .Read = Read,
    .Ascend = Ascend,
    .Seek = Seek,
    .FileSize = FileSize,
    .GetInfo = GetInfo,
    .Advance = Advance,
    .SetInfo = SetInfo,
    .Close = Close,
    .OpenFiles = OpenFiles,
};
