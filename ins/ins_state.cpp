// The module-wide INS records and their load values.
#include "ins_state.h"

namespace {
InsState PrivateIns{};
InsTransfer PrivateTransfer{};
} // namespace

InsState* SharedIns = &PrivateIns;
InsTransfer* SharedTransfer = &PrivateTransfer;
CduDisplay Display = CduDisplayAtLoad;
CduEntry Entry{};
CycleMemory Cycle{};

void ResetModuleRecords() {
    PrivateIns = InsState{};
    PrivateTransfer = InsTransfer{};
    SharedIns = &PrivateIns;
    SharedTransfer = &PrivateTransfer;
    Display = CduDisplayAtLoad;
    Entry = CduEntry{};
    Cycle = CycleMemory{};
}
