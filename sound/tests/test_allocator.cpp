// The test allocation hook.
#include "test_allocator.h"

#include "sound_memory.h"

#include <cstdlib>

namespace {

TestAllocatorState state;

void* Allocate(size_t bytes) {
    ++state.Calls;
    if (state.Calls == state.FailAtCall || (state.FailFromBytes && bytes >= state.FailFromBytes)) {
        return nullptr;
    }
    ++state.LiveBlocks;
    return std::malloc(bytes);
}

void Free(void* block) {
    --state.LiveBlocks;
    std::free(block);
}

constexpr SoundAllocator Hook{Allocate, Free};

} // namespace

TestAllocatorState& TestAllocator() {
    return state;
}

void InstallTestAllocator() {
    state = TestAllocatorState{};
    SetSoundAllocator(&Hook);
}

void UninstallTestAllocator() {
    SetSoundAllocator(nullptr);
}
