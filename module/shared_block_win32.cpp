// Named shared blocks over Win32 file mappings of the paging file.
#include "shared_block.h"

#include <windows.h>

SharedBlockHandle CreateSharedBlock(uint32_t size, const char* name) {
    if (name == nullptr || size == 0)
        return {}; // only named blocks: an unnamed one would be shared with nobody
    HANDLE mapping =
        CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size, name);
    if (mapping == nullptr)
        return {};
    // The handle is never closed: the object must outlive every view in this process.
    return {reinterpret_cast<intptr_t>(mapping), size};
}

void* MapSharedBlock(const SharedBlockHandle& handle) {
    if (handle.Value == -1 || handle.Value == 0)
        return nullptr;
    void* view = MapViewOfFile(reinterpret_cast<HANDLE>(handle.Value), FILE_MAP_WRITE, 0, 0, 0);
    if (view == nullptr)
        return nullptr;
    // An object that another party created smaller keeps its size; refuse a view that cannot
    // hold the record rather than fault on first touch.
    MEMORY_BASIC_INFORMATION region{};
    if (VirtualQuery(view, &region, sizeof region) == 0 || region.RegionSize < handle.Size) {
        UnmapViewOfFile(view);
        return nullptr;
    }
    return view;
}

void UnmapSharedBlock(void* view) {
    if (view != nullptr)
        UnmapViewOfFile(view);
}

void RemoveSharedBlock(const char*) {}
