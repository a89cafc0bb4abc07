// Display formatting for every data-selector position and for an open keypad entry.
#include "format_displays.h"

#include "host_variables.h"
#include "ins_state.h"
#include "whole_number.h"

#include <cstdio>

namespace {

// The branches, by data-selector position, then the entry.
enum Branch : int { TkGs, HdgDa, XtkTke, Pos, Wpt, DisTime, Wind, DsrTkSts, EntryBranch };

struct BranchFlags {
    int32_t LeftBlankZeros, RightBlankZeros;
    int32_t LeftUpperDot2, LeftUpperDot5, RightUpperDot3, RightUpperDot6;
    int32_t LeftLowerDot3, LeftLowerDot4, RightLowerDot4, RightLowerDot5;
};

constexpr BranchFlags FlagsByBranch[] = {
    {1, 1, 0, 0, 0, 0, 0, 1, 0, 0}, // TK GS
    {1, 1, 0, 1, 0, 0, 0, 1, 0, 0}, // HDG DA
    {1, 1, 0, 0, 0, 0, 1, 0, 0, 0}, // XTK TKE
    {0, 0, 1, 1, 1, 1, 0, 1, 0, 1}, // POS
    {0, 0, 1, 1, 1, 1, 0, 1, 0, 1}, // WPT
    {1, 1, 0, 0, 0, 0, 0, 0, 0, 1}, // DIS TIME
    {1, 1, 0, 1, 0, 0, 0, 0, 0, 0}, // WIND
    {1, 1, 0, 1, 0, 0, 0, 0, 0, 0}, // DSR TK STS
    {0, 0, 1, 1, 1, 1, 0, 1, 0, 1}, // entry: reads like a position
};

constexpr int32_t NoLetterLit = 2;
constexpr int32_t LetterL = 1;
constexpr int32_t LetterR = 2;
constexpr int32_t Offset = 1000000;

void ApplyFlags(const BranchFlags& flags) {
    Display.LeftBlankZeros = flags.LeftBlankZeros;
    Display.RightBlankZeros = flags.RightBlankZeros;
    Display.LeftUpperDot2 = flags.LeftUpperDot2;
    Display.LeftUpperDot5 = flags.LeftUpperDot5;
    Display.RightUpperDot3 = flags.RightUpperDot3;
    Display.RightUpperDot6 = flags.RightUpperDot6;
    Display.LeftLowerDot3 = flags.LeftLowerDot3;
    Display.LeftLowerDot4 = flags.LeftLowerDot4;
    Display.RightLowerDot4 = flags.RightLowerDot4;
    Display.RightLowerDot5 = flags.RightLowerDot5;
}

void SetIcons(int32_t northSouth, int32_t eastWest) {
    Display.NorthSouthIcon = northSouth;
    Display.EastWestIcon = eastWest;
}

void Format6(char (&text)[DisplayTextSize], int32_t value) {
    std::snprintf(text, sizeof text, "%6d", static_cast<int>(value));
}
void Format7(char (&text)[DisplayTextSize], int32_t value) {
    std::snprintf(text, sizeof text, "%7d", static_cast<int>(value));
}

// DD MM.m: whole degrees shifted into place in integers, the minutes added as a double.
int32_t LatitudeDigits(double latitude) {
    const int32_t degrees = WholeNumber(latitude);
    const double shifted = WrapAdd(WrapMul(degrees, 10000), Offset);
    return WholeNumber(shifted + (latitude - degrees) * 6000.0);
}

// DDD MM.m
int32_t LongitudeDigits(double longitude) {
    const int32_t degrees = WholeNumber(longitude);
    const double shifted = WrapAdd(WrapMul(degrees, 1000), Offset);
    return WholeNumber(shifted + (longitude - degrees) * 600.0);
}

void FormatPosition(double latitude, double longitude) {
    Format6(Display.LeftText, LatitudeDigits(latitude));
    Format7(Display.RightText, LongitudeDigits(longitude));
}

void FormatTrackAndSpeed() {
    const double track = RefreshHostVariable(TrackSlot);
    Format6(Display.LeftText, WholeNumber(track * 100.0 + Offset));
    Format6(Display.RightText, WrapAdd(Cycle.GroundSpeed, Offset));
}

// DA > 0 shows L, DA < 0 shows R; the difference is not reduced to -180..180.
void FormatHeadingAndDrift() {
    const double heading = RefreshHostVariable(HeadingSlot);
    double drift = heading - HostVariableValue(TrackSlot);
    Display.RightSideLetter = 0;
    if (drift > 0)
        Display.RightSideLetter = LetterL;
    if (drift < 0) {
        drift = -drift;
        Display.RightSideLetter = LetterR;
    }
    Format6(Display.RightText, WholeNumber(drift * 10.0 + Offset));
    Format6(Display.LeftText, WholeNumber(heading * 100.0 + Offset));
}

// The letters run the other way from DA: a TKE above 0 shows R.
void FormatCrossTrackAndTke() {
    const double heading = RefreshHostVariable(HeadingSlot);
    int32_t tke = WholeNumber(heading - ReadShared(SharedTransfer->TkeReference));
    Display.RightSideLetter = 0;
    if (tke > 0)
        Display.RightSideLetter = LetterR;
    if (tke < 0) {
        tke = WrapMul(tke, -1);
        Display.RightSideLetter = LetterL;
    }
    Format6(Display.LeftText, WholeNumber(ReadShared(SharedIns->CrossTrack) * 1000.0 + Offset));
    Format6(Display.RightText, WrapAdd(WrapMul(tke, 10), Offset));
}

void FormatPresentPosition() {
    const InsState& ins = *SharedIns;
    FormatPosition(ReadShared(ins.PresentLat), ReadShared(ins.PresentLon));
    SetIcons(ReadShared(ins.PresentNorth), ReadShared(ins.PresentEast));
}

void FormatWaypoint() {
    const InsState& ins = *SharedIns;
    const int w = WaypointSlot(ReadShared(ins.WptIndex));
    FormatPosition(ReadShared(ins.WptLat[w]), ReadShared(ins.WptLon[w]));
    SetIcons(WholeNumber(ReadShared(ins.WptNorth[w])), WholeNumber(ReadShared(ins.WptEast[w])));
}

// No offset: the texts begin with spaces.
void FormatDistanceAndTime() {
    Format6(Display.LeftText, WholeNumber(ReadShared(SharedIns->DistanceToGo)));
    Format7(Display.RightText, WholeNumber(Cycle.TimeToGo * 10.0));
}

void FormatWind() {
    const double speed = RefreshHostVariable(WindSpeedSlot);
    const double direction = RefreshHostVariable(WindDirectionSlot);
    Format6(Display.LeftText, WholeNumber(direction));
    Format7(Display.RightText, WholeNumber(speed));
}

// The multiplication by 10 pushes a zero into the unshown last character.
void FormatDesiredTrackAndStatus() {
    const InsState& ins = *SharedIns;
    Format6(Display.LeftText, WrapAdd(WrapMul(ReadShared(ins.DesiredTrack), 10), Offset));
    Format6(Display.RightText, WrapAdd(ReadShared(ins.StatusCode), Offset));
}

// A keyed longitude has eight digits; the eighth is never shown.
void FormatEntry() {
    Format6(Display.LeftText, WholeNumber(Entry.EntryLat * 10000.0 + Offset));
    Format7(Display.RightText, WholeNumber(Entry.EntryLon * 10000.0 + 10000000.0));
    SetIcons(WholeNumber(Entry.EntryNorth), WholeNumber(Entry.EntryEast));
}

void FormatBranch(int branch) {
    ApplyFlags(FlagsByBranch[branch]);
    if (branch != Pos && branch != Wpt && branch != EntryBranch)
        SetIcons(NoLetterLit, NoLetterLit);
    switch (branch) {
    case TkGs:
        FormatTrackAndSpeed();
        break;
    case HdgDa:
        FormatHeadingAndDrift();
        break;
    case XtkTke:
        FormatCrossTrackAndTke();
        break;
    case Pos:
        FormatPresentPosition();
        break;
    case Wpt:
        FormatWaypoint();
        break;
    case DisTime:
        FormatDistanceAndTime();
        break;
    case Wind:
        FormatWind();
        break;
    case DsrTkSts:
        FormatDesiredTrackAndStatus();
        break;
    default:
        FormatEntry();
        break;
    }
}

} // namespace

void FormatDisplays() {
    const InsState& ins = *SharedIns;
    if (ReadShared(ins.InsertActive) != 0 && ReadShared(ins.TrackChangeActive) != 1) {
        FormatBranch(EntryBranch);
        return;
    }
    const int32_t selector = ReadShared(ins.DataSelector);
    if (selector >= TkGs && selector <= DsrTkSts)
        FormatBranch(selector);
}
