// Selectors, thumbwheel and function buttons: each steps or toggles one field of InsState.
#include "controls.h"

#include "click.h"
#include "ins_state.h"

namespace {

constexpr int32_t HighestWaypoint = WaypointCount - 1;

// Another process may leave any value in a selector field. A position outside the selector's
// range steps as if the selector stood at position 0, so one click brings it back into range
// and no step can overflow.
int32_t PositionOrZero(int32_t position, int32_t count) {
    return position >= 0 && position < count ? position : 0;
}

int32_t StepUp(int32_t position, int32_t count) {
    const int32_t next = PositionOrZero(position, count) + 1;
    return next < count ? next : 0;
}

int32_t StepDown(int32_t position, int32_t count) {
    const int32_t next = PositionOrZero(position, count) - 1;
    return next >= 0 ? next : count - 1;
}

} // namespace

// The wheel shows waypoints 1 to 9; 0 (the present position) only in a block never turned.
int32_t PANEL_CALL WptWheelUpHandler(uint32_t, uint32_t) {
    PlayClick();
    const int32_t next = WaypointSlot(ReadShared(SharedIns->WptIndex)) + 1;
    WriteShared(SharedIns->WptIndex, next > HighestWaypoint ? int32_t{1} : next);
    return 0;
}

int32_t PANEL_CALL WptWheelDownHandler(uint32_t, uint32_t) {
    PlayClick();
    const int32_t next = WaypointSlot(ReadShared(SharedIns->WptIndex)) - 1;
    WriteShared(SharedIns->WptIndex, next < 1 ? HighestWaypoint : next);
    return 0;
}

int32_t PANEL_CALL DataSelectorLeftHandler(uint32_t, uint32_t) {
    PlayClick();
    int32_t& selector = SharedIns->DataSelector;
    WriteShared(selector, StepDown(ReadShared(selector), DataSelectorPositions));
    return 0;
}

int32_t PANEL_CALL DataSelectorRightHandler(uint32_t, uint32_t) {
    PlayClick();
    int32_t& selector = SharedIns->DataSelector;
    WriteShared(selector, StepUp(ReadShared(selector), DataSelectorPositions));
    return 0;
}

int32_t PANEL_CALL ModeSelectorLeftHandler(uint32_t, uint32_t) {
    PlayClick();
    int32_t& selector = SharedIns->ModeSelector;
    WriteShared(selector, StepUp(ReadShared(selector), ModeSelectorPositions));
    return 0;
}

int32_t PANEL_CALL ModeSelectorRightHandler(uint32_t, uint32_t) {
    PlayClick();
    int32_t& selector = SharedIns->ModeSelector;
    WriteShared(selector, StepDown(ReadShared(selector), ModeSelectorPositions));
    return 0;
}

int32_t PANEL_CALL HoldHandler(uint32_t, uint32_t) {
    PlayClick();
    const int32_t hold = ReadShared(SharedIns->HoldActive);
    WriteShared(SharedIns->HoldActive, hold == 0 ? int32_t{1} : int32_t{0});
    return 0;
}

int32_t PANEL_CALL WarnHandler(uint32_t, uint32_t) {
    PlayClick();
    return 0;
}
