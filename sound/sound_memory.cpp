// The allocation hook: malloc and free unless a test has put its own in place.
#include "sound_memory.h"

#include <cstdlib>

namespace {

void* StandardAllocate(size_t bytes) {
    return std::malloc(bytes);
}
void StandardFree(void* block) {
    std::free(block);
}

constexpr SoundAllocator StandardAllocator{StandardAllocate, StandardFree};
const SoundAllocator* currentAllocator = &StandardAllocator;

} // namespace

void SetSoundAllocator(const SoundAllocator* allocator) {
    currentAllocator = allocator ? allocator : &StandardAllocator;
}

void* SoundAllocate(size_t bytes) {
    return currentAllocator->Allocate(bytes);
}

void SoundFree(void* block) {
    if (block) {
        currentAllocator->Free(block);
    }
}
