// The once-a-second navigation cycle and the mode knob callback that drives it.
#pragma once

#include "panel.h"

// Picture callback of the mode selector knob. Its variable is the host's tick counter; on every
// tick number divisible by 18 it runs the navigation cycle. Returns ModeSelector.
double PANEL_CALL ModeKnobCallback(HostVariable* tick);

// Refreshes the simulator values, derives GS, TIME and ALERT, copies the present position into
// waypoint 0 and formats both displays.
void NavigationCycle();
