// The RIFF back ends of Windows: multimedia file I/O (mmio*) by default, and our own reader.
#include "riff_io_portable.h"

#include <windows.h>

#include <mmsystem.h>
#include <new>

extern const RiffIoOps MmioRiffIo;

namespace {

struct MmioFile : RiffFile {
    HMMIO Handle = nullptr;
    MMIOINFO Info{}; // the buffer state between GetInfo and SetInfo
};

int32_t openFiles = 0;

MmioFile* AsMmio(RiffFile* file) {
    return static_cast<MmioFile*>(file);
}

MMCKINFO ToMmio(const RiffChunk& chunk) {
    MMCKINFO info{};
    info.ckid = chunk.Id;
    info.cksize = chunk.Size;
    info.fccType = chunk.FormType;
    info.dwDataOffset = chunk.DataOffset;
    info.dwFlags = chunk.Flags;
    return info;
}

void FromMmio(const MMCKINFO& info, RiffChunk* chunk) {
    chunk->Id = info.ckid;
    chunk->Size = info.cksize;
    chunk->FormType = info.fccType;
    chunk->DataOffset = info.dwDataOffset;
    chunk->Flags = info.dwFlags;
}

RiffFile* Open(const char* path) {
    if (!path || !*path) {
        return nullptr;
    }
    auto* file = new (std::nothrow) MmioFile;
    if (!file) {
        return nullptr;
    }
    file->Handle = mmioOpenA(const_cast<char*>(path), nullptr, MMIO_ALLOCBUF | MMIO_READ);
    if (!file->Handle) {
        delete file;
        return nullptr;
    }
    file->Ops = &MmioRiffIo;
    ++openFiles;
    return file;
}

int32_t Descend(RiffFile* file, RiffChunk* chunk) {
    MMCKINFO info = ToMmio(*chunk);
    const int32_t code = mmioDescend(AsMmio(file)->Handle, &info, nullptr, 0);
    FromMmio(info, chunk);
    return code;
}

int32_t FindChunk(RiffFile* file, RiffChunk* chunk, const RiffChunk* parent) {
    MMCKINFO info = ToMmio(*chunk);
    MMCKINFO parentInfo = parent ? ToMmio(*parent) : MMCKINFO{};
    const int32_t code =
        mmioDescend(AsMmio(file)->Handle, &info, parent ? &parentInfo : nullptr, MMIO_FINDCHUNK);
    FromMmio(info, chunk);
    return code;
}

int32_t Read(RiffFile* file, void* destination, int32_t bytes) {
    return mmioRead(AsMmio(file)->Handle, static_cast<HPSTR>(destination), bytes);
}

int32_t Ascend(RiffFile* file, const RiffChunk* chunk) {
    MMCKINFO info = ToMmio(*chunk);
    return mmioAscend(AsMmio(file)->Handle, &info, 0);
}

int32_t Seek(RiffFile* file, int32_t offset) {
    return mmioSeek(AsMmio(file)->Handle, offset, SEEK_SET);
}

int64_t FileSize(RiffFile* file) {
    const HMMIO handle = AsMmio(file)->Handle;
    const LONG current = mmioSeek(handle, 0, SEEK_CUR);
    const LONG end = mmioSeek(handle, 0, SEEK_END);
    if (current < 0 || end < 0 || mmioSeek(handle, current, SEEK_SET) != current) {
        return -1;
    }
    return end;
}

int32_t GetInfo(RiffFile* file, RiffBufferState* state) {
    MmioFile& f = *AsMmio(file);
    const int32_t code = mmioGetInfo(f.Handle, &f.Info, 0);
    state->Next = reinterpret_cast<uint8_t*>(f.Info.pchNext);
    state->EndRead = reinterpret_cast<uint8_t*>(f.Info.pchEndRead);
    return code;
}

int32_t Advance(RiffFile* file, RiffBufferState* state) {
    MmioFile& f = *AsMmio(file);
    f.Info.pchNext = reinterpret_cast<HPSTR>(state->Next);
    const int32_t code = mmioAdvance(f.Handle, &f.Info, MMIO_READ);
    state->Next = reinterpret_cast<uint8_t*>(f.Info.pchNext);
    state->EndRead = reinterpret_cast<uint8_t*>(f.Info.pchEndRead);
    return code;
}

int32_t SetInfo(RiffFile* file, const RiffBufferState* state) {
    MmioFile& f = *AsMmio(file);
    f.Info.pchNext = reinterpret_cast<HPSTR>(state->Next);
    return mmioSetInfo(f.Handle, &f.Info, 0);
}

void Close(RiffFile* file) {
    MmioFile* f = AsMmio(file);
    mmioClose(f->Handle, 0);
    delete f;
    --openFiles;
}

int32_t OpenFiles() {
    return openFiles;
}

} // namespace

const RiffIoOps MmioRiffIo{
    .Name = "mmio",
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

const RiffIoOps* const* RiffIoBackends() {
    static const RiffIoOps* const backends[] = {&MmioRiffIo, &PortableRiffIo, nullptr};
    return backends;
}
