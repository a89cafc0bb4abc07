// Keypad data entry: the key handlers, INSERT, TK CHG, CLEAR and the routines they share.
#include "keypad.h"

#include "click.h"
#include "ins_state.h"

#include <cmath>
#include <limits>

namespace {

constexpr int LatitudeDigits = 5;  // DD MM m
constexpr int LongitudeDigits = 6; // DDD MM m
constexpr double LatitudeLimit = 90.001;
constexpr double LongitudeLimit = 180.001;

// A keyed half is a number of thousandths; binary doubles drift, so it is put back on the
// nearest thousandth after every digit. The display and INSERT then see the keyed digits.
double RoundToThousandth(double value) {
    return std::round(value * 1000.0) / 1000.0;
}

double ShiftInDigit(double value, int digit) {
    return RoundToThousandth(value * 10.0 + digit * 0.001);
}

// Only the keypad and CLEAR move the digit position; counting stops at the largest number so
// that endless keying cannot overflow it.
void AdvanceDigitPos() {
    if (Entry.EntryDigitPos < std::numeric_limits<int32_t>::max())
        ++Entry.EntryDigitPos;
}

bool IsHemisphereKey(int key) {
    return key == 2 || key == 4 || key == 6 || key == 8;
}

void PressKey(int key) {
    PlayClick();
    if (ReadShared(SharedIns->InsertActive) == 1)
        KeyDigit(key);
    else if (IsHemisphereKey(key))
        OpenPositionEntry(key);
}

// WptIndex is written by other processes too; WaypointSlot keeps it inside the arrays.
int SelectedWaypoint() {
    return WaypointSlot(ReadShared(SharedIns->WptIndex));
}

void TakeOverWaypoint(int w) {
    const InsState& ins = *SharedIns;
    Entry.EntryLat = DecimalDegreesToKeyed(ReadShared(ins.WptLat[w]));
    Entry.EntryLon = DecimalDegreesToKeyed(ReadShared(ins.WptLon[w]));
    Entry.EntryNorth = ReadShared(ins.WptNorth[w]);
    Entry.EntryEast = ReadShared(ins.WptEast[w]);
}

void StoreEntryInto(int w) {
    InsState& ins = *SharedIns;
    WriteShared(ins.WptLat[w], KeyedToDecimalDegrees(Entry.EntryLat));
    WriteShared(ins.WptLon[w], KeyedToDecimalDegrees(Entry.EntryLon));
    WriteShared(ins.WptEast[w], double{Entry.EntryEast});
    WriteShared(ins.WptNorth[w], double{Entry.EntryNorth});
}

void OpenBlankEntry() {
    WriteShared(SharedIns->InsertActive, int32_t{1});
    Entry.EntryDigitPos = 1;
    Entry.EntryLat = 0.0;
    Entry.EntryLon = 0.0;
    Entry.EntryNorth = 0.0;
    Entry.EntryEast = 0.0;
}

// Minutes are not compared with 60; a bound that fails (not-a-number included) stores nothing.
bool WithinBounds() {
    return Entry.EntryLat < LatitudeLimit && Entry.EntryLon < LongitudeLimit;
}

} // namespace

// Whole degrees are the value truncated toward zero, kept as a double so that no stored value
// can overflow an integer.
double DecimalDegreesToKeyed(double degrees) {
    const double whole = std::trunc(degrees);
    return whole + (degrees - whole) * 0.6;
}

double KeyedToDecimalDegrees(double keyed) {
    const double whole = std::trunc(keyed);
    return whole + (keyed - whole) / 0.6;
}

void OpenPositionEntry(int key) {
    PlayClick();
    Entry.EntryDigitPos = 1;
    WriteShared(SharedIns->InsertActive, int32_t{1});
    TakeOverWaypoint(SelectedWaypoint());
    switch (key) {
    case 2:
        Entry.EntryLonActive = 0;
        Entry.EntryNorth = 1.0;
        Entry.EntryLat = 0.0;
        break;
    case 8:
        Entry.EntryLonActive = 0;
        Entry.EntryNorth = 0.0;
        Entry.EntryLat = 0.0;
        break;
    case 4:
        Entry.EntryLonActive = 1;
        Entry.EntryEast = 0.0;
        Entry.EntryLon = 0.0;
        break;
    case 6:
        Entry.EntryLonActive = 1;
        Entry.EntryEast = 1.0;
        Entry.EntryLon = 0.0;
        break;
    default:
        break;
    }
}

void KeyDigit(int digit) {
    const int32_t pos = Entry.EntryDigitPos;
    if (ReadShared(SharedIns->TrackChangeActive) != 1) {
        if (Entry.EntryLonActive == 0 && pos >= 1 && pos <= LatitudeDigits)
            Entry.EntryLat = ShiftInDigit(Entry.EntryLat, digit);
        if (Entry.EntryLonActive != 0 && pos >= 1 && pos <= LongitudeDigits)
            Entry.EntryLon = ShiftInDigit(Entry.EntryLon, digit);
    } else {
        if (pos == 1)
            Entry.EntryFrom = digit;
        if (pos == 2)
            Entry.EntryTo = digit;
    }
    AdvanceDigitPos();
}

int32_t PANEL_CALL Key0Handler(uint32_t, uint32_t) {
    PressKey(0);
    return 0;
}
int32_t PANEL_CALL Key1Handler(uint32_t, uint32_t) {
    PressKey(1);
    return 0;
}
int32_t PANEL_CALL Key2Handler(uint32_t, uint32_t) {
    PressKey(2);
    return 0;
}
int32_t PANEL_CALL Key3Handler(uint32_t, uint32_t) {
    PressKey(3);
    return 0;
}
int32_t PANEL_CALL Key4Handler(uint32_t, uint32_t) {
    PressKey(4);
    return 0;
}
int32_t PANEL_CALL Key5Handler(uint32_t, uint32_t) {
    PressKey(5);
    return 0;
}
int32_t PANEL_CALL Key6Handler(uint32_t, uint32_t) {
    PressKey(6);
    return 0;
}
int32_t PANEL_CALL Key7Handler(uint32_t, uint32_t) {
    PressKey(7);
    return 0;
}
int32_t PANEL_CALL Key8Handler(uint32_t, uint32_t) {
    PressKey(8);
    return 0;
}
int32_t PANEL_CALL Key9Handler(uint32_t, uint32_t) {
    PressKey(9);
    return 0;
}

// Closed: opens a blank entry. A position entry within bounds is stored into the thumbwheel's
// waypoint; a track change entry becomes the active leg.
int32_t PANEL_CALL InsertHandler(uint32_t, uint32_t) {
    PlayClick();
    InsState& ins = *SharedIns;
    if (ReadShared(ins.InsertActive) == 0) {
        OpenBlankEntry();
        return 0;
    }
    if (ReadShared(ins.TrackChangeActive) != 1 && WithinBounds()) {
        StoreEntryInto(SelectedWaypoint());
        WriteShared(ins.InsertActive, int32_t{0});
    }
    if (ReadShared(ins.TrackChangeActive) == 1) {
        WriteShared(ins.FromWpt, int32_t{Entry.EntryFrom});
        WriteShared(ins.ToWpt, int32_t{Entry.EntryTo});
        WriteShared(ins.InsertActive, int32_t{0});
        WriteShared(ins.TrackChangeActive, int32_t{0});
    }
    return 0;
}

// Opens the FROM/TO entry on the active leg; pressed again, goes over to the position entry
// that CduEntry still holds.
int32_t PANEL_CALL TrackChangeHandler(uint32_t, uint32_t) {
    PlayClick();
    InsState& ins = *SharedIns;
    if (ReadShared(ins.TrackChangeActive) == 0) {
        WriteShared(ins.TrackChangeActive, int32_t{1});
        WriteShared(ins.InsertActive, int32_t{1});
        Entry.EntryDigitPos = 1;
        Entry.EntryFrom = ReadShared(ins.FromWpt);
        Entry.EntryTo = ReadShared(ins.ToWpt);
    } else {
        WriteShared(ins.TrackChangeActive, int32_t{0});
        WriteShared(ins.InsertActive, int32_t{1});
    }
    return 0;
}

int32_t PANEL_CALL ClearHandler(uint32_t, uint32_t) {
    PlayClick();
    WriteShared(SharedIns->InsertActive, int32_t{0});
    WriteShared(SharedIns->TrackChangeActive, int32_t{0});
    Entry.EntryDigitPos = 1;
    return 0;
}
