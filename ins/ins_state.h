// The INS records: the shared InsState and InsTransfer, and the module-wide CduDisplay,
// CduEntry and CycleMemory.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

// ---------------------------------------------------------------------------------------------
// Shared memory, block "TORV_VELDRA". Any party may write any field at any time.
// ---------------------------------------------------------------------------------------------

inline constexpr int WaypointCount = 10; // entry 0 is the present position, 1-9 the flight plan

struct InsState {
    uint8_t SpareHead[16];
    double WptLat[WaypointCount];   // magnitudes in decimal degrees
    double WptLon[WaypointCount];   // magnitudes in decimal degrees
    double WptNorth[WaypointCount]; // 1.0 north, 0.0 south
    double WptEast[WaypointCount];  // 1.0 east, 0.0 west
    int32_t WptIndex;               // waypoint shown by the thumbwheel and stored into by INSERT
    int32_t DataSelector;           // 0 TK GS ... 7 DSR TK STS
    int32_t InsertActive;
    int32_t HoldActive;
    int32_t SpareWord;
    int32_t ModeSelector; // 0 MAN, 1 AUTO, 2 RMT
    int32_t TrackChangeActive;
    int32_t FromWpt;
    int32_t ToWpt;
    // Written by the navigation source only.
    int32_t XtkSide; // 0 none, 1 L, 2 R
    double CrossTrack;
    int32_t StatusCode;
    int32_t DesiredTrack;
    double DistanceToGo;
    double PresentLat;
    double PresentLon;
    int32_t PresentEast;
    int32_t PresentNorth;
};

static_assert(offsetof(InsState, WptLat) == 16);
static_assert(offsetof(InsState, WptLon) == 96);
static_assert(offsetof(InsState, WptNorth) == 176);
static_assert(offsetof(InsState, WptEast) == 256);
static_assert(offsetof(InsState, WptIndex) == 336);
static_assert(offsetof(InsState, DataSelector) == 340);
static_assert(offsetof(InsState, InsertActive) == 344);
static_assert(offsetof(InsState, HoldActive) == 348);
static_assert(offsetof(InsState, SpareWord) == 352);
static_assert(offsetof(InsState, ModeSelector) == 356);
static_assert(offsetof(InsState, TrackChangeActive) == 360);
static_assert(offsetof(InsState, FromWpt) == 364);
static_assert(offsetof(InsState, ToWpt) == 368);
static_assert(offsetof(InsState, XtkSide) == 372);
static_assert(offsetof(InsState, CrossTrack) == 376);
static_assert(offsetof(InsState, StatusCode) == 384);
static_assert(offsetof(InsState, DesiredTrack) == 388);
static_assert(offsetof(InsState, DistanceToGo) == 392);
static_assert(offsetof(InsState, PresentLat) == 400);
static_assert(offsetof(InsState, PresentLon) == 408);
static_assert(offsetof(InsState, PresentEast) == 416);
static_assert(offsetof(InsState, PresentNorth) == 420);
static_assert(sizeof(InsState) == 424);

// Shared memory, block "insxferx".
struct InsTransfer {
    uint8_t Unused0[8];
    int32_t TkeReference; // whole degrees; written by the navigation source
    uint8_t Unused12[28];
};

static_assert(offsetof(InsTransfer, TkeReference) == 8);
static_assert(sizeof(InsTransfer) == 40);

inline constexpr char InsStateBlockName[] = "TORV_VELDRA";
inline constexpr char InsTransferBlockName[] = "insxferx";

// ---------------------------------------------------------------------------------------------
// Module-wide records
// ---------------------------------------------------------------------------------------------

inline constexpr int DisplayTextSize = 12; // any formatted 32-bit number and its terminating zero

struct CduDisplay {
    char LeftText[DisplayTextSize];
    char RightText[DisplayTextSize];
    int32_t LeftBlankZeros;
    int32_t RightBlankZeros;
    int32_t LeftUpperDot2;
    int32_t LeftUpperDot5;
    int32_t RightUpperDot3;
    int32_t RightUpperDot6;
    int32_t LeftLowerDot3;
    int32_t LeftLowerDot4;
    int32_t RightLowerDot4;
    int32_t RightLowerDot5;
    int32_t NorthSouthIcon;  // 0 S lit, 1 N lit, 2 neither
    int32_t EastWestIcon;    // 0 W lit, 1 E lit, 2 neither
    int32_t RightSideLetter; // 0 blank, 1 L, 2 R
    int32_t AlertActive;
};

struct CduEntry {
    double EntryLat; // DD.MMm: degrees, then minutes / 100
    double EntryLon; // DDD.MMm
    double EntryNorth;
    double EntryEast;
    int32_t EntryLonActive; // 0: digits go to EntryLat, 1: to EntryLon
    int32_t EntryDigitPos;  // 1-based position of the next keyed digit
    int32_t EntryFrom;
    int32_t EntryTo;
};

struct CycleMemory {
    double PrevDistance;
    double DistanceStep;
    int32_t GroundSpeed; // distance units per hour, 0 or more once stored
    double TimeToGo;     // minutes
};

inline constexpr CduDisplay CduDisplayAtLoad = {"000000", "0000000", 0, 0, 0, 0, 0, 0,
                                                0,        0,         0, 0, 0, 0, 0, 0};

// The module's records. The two shared pointers are set by install; until then (and in tests
// that have not pointed them elsewhere) they name private zero-filled records.
extern InsState* SharedIns;
extern InsTransfer* SharedTransfer;
extern CduDisplay Display;
extern CduEntry Entry;
extern CycleMemory Cycle;

// Puts every module-wide record back to its load value and points the shared pointers at the
// private records, zero-filled. For tests, which run many "loads" in one process.
void ResetModuleRecords();

// ---------------------------------------------------------------------------------------------
// Reading the navigation source's fields
//
// The navigation source writes these fields from another process at any moment, so each one is
// read as a single 4- or 8-byte load and never written by the gauge.
// ---------------------------------------------------------------------------------------------

template <typename T> T ReadShared(const T& field) {
    static_assert(sizeof(T) == 4 || sizeof(T) == 8);
    return std::atomic_ref<T>(const_cast<T&>(field)).load(std::memory_order_relaxed);
}

template <typename T> void WriteShared(T& field, T value) {
    static_assert(sizeof(T) == 4 || sizeof(T) == 8);
    std::atomic_ref<T>(field).store(value, std::memory_order_relaxed);
}

// WptIndex is shared memory that any process may write. Every use of it as an array index goes
// through here: a value outside 0-9 indexes waypoint 0.
inline int WaypointSlot(int32_t wptIndex) {
    return wptIndex >= 0 && wptIndex < WaypointCount ? wptIndex : 0;
}
