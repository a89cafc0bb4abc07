// The one allocation hook of the sound player and the WAV reader, replaceable by tests.
#pragma once

#include <cstddef>

struct SoundAllocator {
    void* (*Allocate)(size_t bytes); // returns null when the block cannot be had
    void (*Free)(void* block);       // accepts null
};

// Null restores the standard allocator.
void SetSoundAllocator(const SoundAllocator* allocator);

void* SoundAllocate(size_t bytes);
void SoundFree(void* block);
