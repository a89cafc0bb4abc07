// VELDRA's twelve simulator variables, in table order, and how they are bound and refreshed.
#pragma once

#include "panel.h"

enum HostVariableSlot : int {
    Var47,
    Var48,
    Var4A,
    HeadingSlot, // 0x51
    Var52,
    Var53,
    Var54,
    Var55,
    TrackSlot,         // 0x56
    AlertGateSlot,     // 0x3D
    WindSpeedSlot,     // 0x157
    WindDirectionSlot, // 0x158
    HostVariableCount
};

extern HostVariable InsHostVariables[HostVariableCount];

// Identifiers in the order that initialize binds them.
extern const int32_t HostVariableBindOrder[HostVariableCount];

// Binds all twelve through InitializeHostVariable, in HostVariableBindOrder.
void BindHostVariables();

// Refreshes one variable through LookUpHostVariable and returns its current value.
double RefreshHostVariable(HostVariableSlot slot);

// The value the host last stored, without refreshing.
double HostVariableValue(HostVariableSlot slot);

// Puts every record back to its load value (identifier set, everything else 0).
void ResetHostVariables();
