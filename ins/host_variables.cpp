// VELDRA's twelve simulator variables.
#include "host_variables.h"

#include "host_calls.h"

namespace {

constexpr int32_t TableIds[HostVariableCount] = {0x47, 0x48, 0x4A, 0x51, 0x52,  0x53,
                                                 0x54, 0x55, 0x56, 0x3D, 0x157, 0x158};

int SlotOfId(int32_t id) {
    for (int slot = 0; slot < HostVariableCount; ++slot)
        if (TableIds[slot] == id)
            return slot;
    return -1;
}

} // namespace

HostVariable InsHostVariables[HostVariableCount] = {
    {0x47, 0, 0, 0, 0}, {0x48, 0, 0, 0, 0}, {0x4A, 0, 0, 0, 0},  {0x51, 0, 0, 0, 0},
    {0x52, 0, 0, 0, 0}, {0x53, 0, 0, 0, 0}, {0x54, 0, 0, 0, 0},  {0x55, 0, 0, 0, 0},
    {0x56, 0, 0, 0, 0}, {0x3D, 0, 0, 0, 0}, {0x157, 0, 0, 0, 0}, {0x158, 0, 0, 0, 0},
};

const int32_t HostVariableBindOrder[HostVariableCount] = {0x48, 0x47, 0x4A, 0x3D, 0x51,  0x52,
                                                          0x53, 0x54, 0x55, 0x56, 0x157, 0x158};

void BindHostVariables() {
    for (int32_t id : HostVariableBindOrder)
        host::InitializeHostVariable(&InsHostVariables[SlotOfId(id)]);
}

double RefreshHostVariable(HostVariableSlot slot) {
    host::LookUpHostVariable(&InsHostVariables[slot]);
    return InsHostVariables[slot].Value;
}

double HostVariableValue(HostVariableSlot slot) {
    return InsHostVariables[slot].Value;
}

void ResetHostVariables() {
    for (int slot = 0; slot < HostVariableCount; ++slot)
        InsHostVariables[slot] = HostVariable{TableIds[slot], 0, 0, 0.0, 0.0};
}
