// The navigation cycle: simulator refresh, GS, TIME, ALERT, waypoint 0, then the displays.
#include "navigation_cycle.h"

#include "format_displays.h"
#include "host_variables.h"
#include "ins_state.h"
#include "whole_number.h"

namespace {

constexpr int TicksPerSecond = 18;
constexpr double AlertGateThreshold = 50.0;

void RefreshSimulatorValues() {
    if (ReadShared(SharedIns->HoldActive) == 0) {
        RefreshHostVariable(Var47);
        RefreshHostVariable(Var48);
    }
    for (HostVariableSlot slot : {HeadingSlot, Var52, Var53, Var54, Var55, TrackSlot})
        RefreshHostVariable(slot);
}

// GS is the fall of the distance over the last second, per hour; TIME is computed from the
// signed speed before a negative one is stored as 0, so it comes out negative while opening.
void DeriveSpeedAndTime(double distance) {
    Cycle.GroundSpeed = WholeNumber(Cycle.DistanceStep * -3600.0);
    Cycle.TimeToGo = distance / Cycle.GroundSpeed * 60.0;
    if (Cycle.GroundSpeed < 0)
        Cycle.GroundSpeed = 0;
}

// Outside the window -1 < TIME < 999 (not-a-number included) the previous decision stands.
void DecideAlert() {
    const double gate = RefreshHostVariable(AlertGateSlot);
    const double time = Cycle.TimeToGo;
    if (!(time > -1.0 && time < 999.0))
        return;
    Display.AlertActive = 0;
    if (gate > AlertGateThreshold && time < 3.0 && time > 0.0)
        Display.AlertActive = 1;
}

void RememberDistance(double distance) {
    Cycle.DistanceStep = distance - Cycle.PrevDistance;
    Cycle.PrevDistance = distance;
}

void CopyPresentPositionToWaypoint0() {
    InsState& ins = *SharedIns;
    WriteShared(ins.WptLat[0], ReadShared(ins.PresentLat));
    WriteShared(ins.WptLon[0], ReadShared(ins.PresentLon));
    WriteShared(ins.WptEast[0], static_cast<double>(ReadShared(ins.PresentEast)));
    WriteShared(ins.WptNorth[0], static_cast<double>(ReadShared(ins.PresentNorth)));
}

} // namespace

void NavigationCycle() {
    RefreshSimulatorValues();
    // One read of the distance for the whole cycle: the navigation source may change it at any
    // moment, and speed, time and memory must agree on one value.
    const double distance = ReadShared(SharedIns->DistanceToGo);
    DeriveSpeedAndTime(distance);
    DecideAlert();
    RememberDistance(distance);
    CopyPresentPositionToWaypoint0();
    FormatDisplays();
}

double PANEL_CALL ModeKnobCallback(HostVariable* tick) {
    const double tickValue = tick->Value;
    if (WholeNumber(tickValue) % TicksPerSecond == 0)
        NavigationCycle();
    return static_cast<double>(ReadShared(SharedIns->ModeSelector));
}
