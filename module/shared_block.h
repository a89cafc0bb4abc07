// Named shared memory blocks that other processes open by the same name.
#pragma once

#include <cstdint>

// The platform's handle of a named block (a file-mapping handle, or a descriptor and size).
struct SharedBlockHandle {
    intptr_t Value = -1;
    uint32_t Size = 0;
};

// Creates the block `name` of `size` bytes, zero-filled, or opens it if it exists (not an
// error). A block that another party made smaller than `size` is grown where the platform
// allows; if it stays smaller, the result is invalid (Value -1), because touching a view past the
// end of a shorter object faults.
SharedBlockHandle CreateSharedBlock(uint32_t size, const char* name);

// Maps the whole block for reading and writing. Returns null for an invalid handle or on failure.
void* MapSharedBlock(const SharedBlockHandle& handle);

// Unmaps a view returned by MapSharedBlock. The block itself stays: it is never removed, so a
// later map finds what this one left.
void UnmapSharedBlock(void* view);

// Removes the name, so that the next CreateSharedBlock makes a fresh zero-filled block. The
// gauge never calls it (its blocks live as long as the system); tests clean up with it. Where
// blocks vanish with their last handle, it does nothing.
void RemoveSharedBlock(const char* name);
