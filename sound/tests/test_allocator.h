// An allocation hook for tests: counts live blocks and refuses chosen allocations.
#pragma once

#include <cstddef>
#include <cstdint>

struct TestAllocatorState {
    int32_t LiveBlocks = 0;
    int32_t Calls = 0;
    int32_t FailAtCall = 0;   // refuse this allocation, counting from 1 (0 none)
    size_t FailFromBytes = 0; // refuse every block of at least this many bytes (0 none)
};

TestAllocatorState& TestAllocator();
// Puts the hook in place with a fresh state; UninstallTestAllocator restores the standard one.
void InstallTestAllocator();
void UninstallTestAllocator();
