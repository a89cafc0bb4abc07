// Records that cross between a gauge module and the panel host: linkage, services, elements,
// mouse areas and host variables. Laid out exactly as the host expects them.
//
// Every record is packed to 4 bytes. On a 32-bit target each pointer is a 4-byte word and the
// offsets asserted at the end of this file hold exactly; on a 64-bit target the order is the same
// and only the pointer fields grow to 8 bytes.
#pragma once

#include "callconv.h"

#include <cstddef>
#include <cstdint>

extern "C" {

#pragma pack(push, 4)

struct HostVariable;
struct ElementRecord;
struct GaugeHeader;
struct MouseArea;

// ---------------------------------------------------------------------------------------------
// Routine and callback types
// ---------------------------------------------------------------------------------------------

using ModuleRoutine = void(PANEL_CALL*)();
using GaugeQueryRoutine = int32_t(PANEL_CALL*)();
using GaugeInstallRoutine = void(PANEL_CALL*)(uintptr_t argument);
using GaugeRoutine = void(PANEL_CALL*)();
using GaugeGenerateRoutine = void(PANEL_CALL*)(uint32_t phase);

// Returns the picture number or position value for the element that owns the variable.
using ElementCallback = double(PANEL_CALL*)(HostVariable* variable);
// Both words are the host's; handlers read neither and return 0.
using MouseHandler = int32_t(PANEL_CALL*)(uint32_t, uint32_t);

// ---------------------------------------------------------------------------------------------
// Host variable: a simulator value by identifier, refreshed by the host
// ---------------------------------------------------------------------------------------------

struct HostVariable {
    int32_t Id;
    int32_t HostWord1;
    int32_t HostWord2;
    double Value;
    double PreviousValue; // the host's own copy of the last value
};

// ---------------------------------------------------------------------------------------------
// Elements
// ---------------------------------------------------------------------------------------------

enum ElementKind : int32_t {
    ElementStaticImage = 0,
    ElementSlidingImage = 3,
    ElementIcon = 4,
    ElementMovingImage = 5,
};

// The 60-byte header that every element record starts with.
struct ElementRecord {
    int32_t Kind;
    int32_t Picture; // resource number
    int32_t X;
    int32_t Y;
    int32_t HostWords[4];
    GaugeHeader* Gauge;
    int32_t Reserved36;
    ElementRecord** Children;  // null-ended, or null
    const int32_t* Conditions; // (condition, reaction) pairs, ended by condition 0
    int32_t DrawingFlags;      // bit 0: pure black is see-through
    int32_t Reserved52;
    int32_t Reserved56;
};

struct StaticImage {
    ElementRecord Header;
    void* LoadedPicture; // the host's; begins with a tag word, then width and height
};

struct SlidingAxis {
    HostVariable Variable;
    ElementCallback Callback;
    double Scale; // pixels per unit
};

struct SlidingImage {
    ElementRecord Header;
    SlidingAxis AxisX;
    SlidingAxis AxisY;
};

struct Icon {
    ElementRecord Header;
    HostVariable Variable;
    ElementCallback Callback;
    int32_t Reserved92;
    int32_t Reserved96;
    double Unit; // always 1.0
    int32_t Reserved108;
    int32_t PictureCount; // value k shows resource Picture + 3k
};

struct MovingAxis {
    HostVariable Variable;
    ElementCallback Callback;
    double FirstLimit;  // at this value the strip's start shows at the window's start
    double SecondLimit; // at this value the strip's end shows at the window's end
    int32_t Reserved;
};

// The mask that frames the strip is resource Picture + 3.
struct MovingImage {
    ElementRecord Header;
    MovingAxis AxisX;
    MovingAxis AxisY;
};

// ---------------------------------------------------------------------------------------------
// Mouse areas
// ---------------------------------------------------------------------------------------------

enum MouseAreaType : int32_t {
    MouseAreaParent = 1,
    MouseAreaChild = 2,
    MouseAreaEnd = 3,
};

struct MouseArea {
    int32_t Type;
    int32_t X;
    int32_t Y;
    int32_t Width;
    int32_t Height;
    int32_t Cursor;
    int32_t HelpId;
    int32_t EventMask;
    int32_t Reserved32;
    MouseHandler Handler;
    int32_t Reserved40;
};

// ---------------------------------------------------------------------------------------------
// Gauge header, linkage and the host's services
// ---------------------------------------------------------------------------------------------

inline constexpr int32_t GaugeHeaderVersion = 0x262;
inline constexpr int32_t LinkageVersion = 0x13;
inline constexpr int32_t ImportTableVersion = 0x0F;

struct GaugeHeader {
    int32_t Version; // GaugeHeaderVersion
    const char* Name;
    ElementRecord** Elements; // entry 0 is the root, then null
    GaugeQueryRoutine Query;
    GaugeInstallRoutine Install;
    GaugeRoutine Initialize;
    GaugeRoutine Update;
    GaugeGenerateRoutine Generate;
    GaugeRoutine Draw;
    GaugeRoutine Kill;
    int32_t Reserved40;
    int32_t DefaultWidth;
    int32_t HostWords[10];
};

using QueryElementListService = int32_t(PANEL_CALL*)(ElementRecord* root);
using InstallElementListService = int32_t(PANEL_CALL*)(ElementRecord* root, uintptr_t argument);
using ElementListService = int32_t(PANEL_CALL*)(ElementRecord* root);
using GenerateElementListService = int32_t(PANEL_CALL*)(ElementRecord* root, uint32_t phase);
using InstallMouseAreasService = int32_t(PANEL_CALL*)(MouseArea* areas, GaugeHeader* gauge,
                                                      const void* picturePlus4);
using MouseAreasService = int32_t(PANEL_CALL*)(MouseArea* areas, GaugeHeader* gauge);
using HostVariableService = int32_t(PANEL_CALL*)(HostVariable* variable);

// The host's service table, by slot. Slots not named here stay null. Every slot is a pointer, so
// the table keeps a pointer's alignment wherever it is placed.
struct alignas(sizeof(void*)) HostFunctionTable {
    void* Slots0To23[24];
    QueryElementListService QueryElementList;       // 24
    InstallElementListService InstallElementList;   // 25
    ElementListService InitializeElementList;       // 26
    ElementListService UpdateElementList;           // 27
    GenerateElementListService GenerateElementList; // 28
    ElementListService DrawElementList;             // 29
    void* Slot30;
    ElementListService KillElementList;         // 31
    InstallMouseAreasService InstallMouseAreas; // 32
    MouseAreasService RegisterMouseAreas;       // 33
    MouseAreasService UnregisterMouseAreas;     // 34
    void* Slots35To37[3];
    HostVariableService InitializeHostVariable; // 38
    void* Slot39;
    HostVariableService LookUpHostVariable; // 40
};

struct LinkageRecord {
    int32_t Version; // LinkageVersion
    ModuleRoutine ModuleInit;
    ModuleRoutine ModuleDeinit;
    int32_t Reserved12;
    int32_t Reserved16;
    int32_t Reserved20;
    GaugeHeader* Gauges[2]; // one gauge, then null
};

struct ImportTableRecord {
    int32_t Version;          // ImportTableVersion
    HostFunctionTable* Table; // filled by the host after loading
    int32_t Reserved8;
    int32_t Reserved12;
};

// ---------------------------------------------------------------------------------------------
// Native resource directory
//
// ELF has no resources, so a native module also exports GaugeResources: a table of
// (resource number, bytes of an 8-bit BMP file, size), ended by an entry with null Bytes.
// Windows builds carry the same files as numbered BITMAP resources instead.
// ---------------------------------------------------------------------------------------------

struct ResourceEntry {
    int32_t Number;
    const unsigned char* Bytes;
    uint32_t Size;
};

#define GAUGE_RESOURCE_DIRECTORY_NAME "GaugeResources"

#pragma pack(pop)

} // extern "C"

// ---------------------------------------------------------------------------------------------
// Layout checks
// ---------------------------------------------------------------------------------------------

static_assert(sizeof(HostVariable) == 28);
static_assert(offsetof(HostVariable, Value) == 12);
static_assert(offsetof(HostVariable, PreviousValue) == 20);

#define PANEL_OFFSET(record, field, offset) static_assert(offsetof(record, field) == (offset))

#if UINTPTR_MAX == 0xFFFFFFFFu
PANEL_OFFSET(LinkageRecord, ModuleInit, 4);
PANEL_OFFSET(LinkageRecord, ModuleDeinit, 8);
PANEL_OFFSET(LinkageRecord, Gauges, 24);
static_assert(sizeof(LinkageRecord) == 32);

PANEL_OFFSET(ImportTableRecord, Table, 4);
static_assert(sizeof(ImportTableRecord) == 16);

PANEL_OFFSET(HostFunctionTable, QueryElementList, 24 * 4);
PANEL_OFFSET(HostFunctionTable, InstallElementList, 25 * 4);
PANEL_OFFSET(HostFunctionTable, InitializeElementList, 26 * 4);
PANEL_OFFSET(HostFunctionTable, UpdateElementList, 27 * 4);
PANEL_OFFSET(HostFunctionTable, GenerateElementList, 28 * 4);
PANEL_OFFSET(HostFunctionTable, DrawElementList, 29 * 4);
PANEL_OFFSET(HostFunctionTable, KillElementList, 31 * 4);
PANEL_OFFSET(HostFunctionTable, InstallMouseAreas, 32 * 4);
PANEL_OFFSET(HostFunctionTable, RegisterMouseAreas, 33 * 4);
PANEL_OFFSET(HostFunctionTable, UnregisterMouseAreas, 34 * 4);
PANEL_OFFSET(HostFunctionTable, InitializeHostVariable, 38 * 4);
PANEL_OFFSET(HostFunctionTable, LookUpHostVariable, 40 * 4);

PANEL_OFFSET(GaugeHeader, Name, 4);
PANEL_OFFSET(GaugeHeader, Elements, 8);
PANEL_OFFSET(GaugeHeader, Query, 12);
PANEL_OFFSET(GaugeHeader, Install, 16);
PANEL_OFFSET(GaugeHeader, Initialize, 20);
PANEL_OFFSET(GaugeHeader, Update, 24);
PANEL_OFFSET(GaugeHeader, Generate, 28);
PANEL_OFFSET(GaugeHeader, Draw, 32);
PANEL_OFFSET(GaugeHeader, Kill, 36);
PANEL_OFFSET(GaugeHeader, Reserved40, 40);
PANEL_OFFSET(GaugeHeader, DefaultWidth, 44);
PANEL_OFFSET(GaugeHeader, HostWords, 48);
static_assert(sizeof(GaugeHeader) == 88);

PANEL_OFFSET(ElementRecord, Picture, 4);
PANEL_OFFSET(ElementRecord, X, 8);
PANEL_OFFSET(ElementRecord, Y, 12);
PANEL_OFFSET(ElementRecord, HostWords, 16);
PANEL_OFFSET(ElementRecord, Gauge, 32);
PANEL_OFFSET(ElementRecord, Reserved36, 36);
PANEL_OFFSET(ElementRecord, Children, 40);
PANEL_OFFSET(ElementRecord, Conditions, 44);
PANEL_OFFSET(ElementRecord, DrawingFlags, 48);
PANEL_OFFSET(ElementRecord, Reserved52, 52);
PANEL_OFFSET(ElementRecord, Reserved56, 56);
static_assert(sizeof(ElementRecord) == 60);

PANEL_OFFSET(StaticImage, LoadedPicture, 60);
static_assert(sizeof(StaticImage) == 64);

PANEL_OFFSET(SlidingImage, AxisX.Variable, 60);
PANEL_OFFSET(SlidingImage, AxisX.Callback, 88);
PANEL_OFFSET(SlidingImage, AxisX.Scale, 92);
PANEL_OFFSET(SlidingImage, AxisY.Variable, 100);
PANEL_OFFSET(SlidingImage, AxisY.Callback, 128);
PANEL_OFFSET(SlidingImage, AxisY.Scale, 132);
static_assert(sizeof(SlidingImage) == 140);

PANEL_OFFSET(Icon, Variable, 60);
PANEL_OFFSET(Icon, Callback, 88);
PANEL_OFFSET(Icon, Reserved92, 92);
PANEL_OFFSET(Icon, Reserved96, 96);
PANEL_OFFSET(Icon, Unit, 100);
PANEL_OFFSET(Icon, Reserved108, 108);
PANEL_OFFSET(Icon, PictureCount, 112);
static_assert(sizeof(Icon) == 116);

PANEL_OFFSET(MovingImage, AxisX.Variable, 60);
PANEL_OFFSET(MovingImage, AxisX.Callback, 88);
PANEL_OFFSET(MovingImage, AxisX.FirstLimit, 92);
PANEL_OFFSET(MovingImage, AxisX.SecondLimit, 100);
PANEL_OFFSET(MovingImage, AxisX.Reserved, 108);
PANEL_OFFSET(MovingImage, AxisY.Variable, 112);
PANEL_OFFSET(MovingImage, AxisY.Callback, 140);
PANEL_OFFSET(MovingImage, AxisY.FirstLimit, 144);
PANEL_OFFSET(MovingImage, AxisY.SecondLimit, 152);
PANEL_OFFSET(MovingImage, AxisY.Reserved, 160);
static_assert(sizeof(MovingImage) == 164);

PANEL_OFFSET(MouseArea, X, 4);
PANEL_OFFSET(MouseArea, Y, 8);
PANEL_OFFSET(MouseArea, Width, 12);
PANEL_OFFSET(MouseArea, Height, 16);
PANEL_OFFSET(MouseArea, Cursor, 20);
PANEL_OFFSET(MouseArea, HelpId, 24);
PANEL_OFFSET(MouseArea, EventMask, 28);
PANEL_OFFSET(MouseArea, Reserved32, 32);
PANEL_OFFSET(MouseArea, Handler, 36);
PANEL_OFFSET(MouseArea, Reserved40, 40);
static_assert(sizeof(MouseArea) == 44);
#else
// 64-bit: same order, pointers widened, every other field still a 4-byte word.
static_assert(sizeof(LinkageRecord) == 48);
static_assert(sizeof(ImportTableRecord) == 20);
PANEL_OFFSET(HostFunctionTable, LookUpHostVariable, 40 * 8);
static_assert(alignof(HostFunctionTable) == 8);
static_assert(sizeof(GaugeHeader) == 4 + 8 + 8 + 7 * 8 + 4 + 4 + 40);
static_assert(sizeof(ElementRecord) == 72);
PANEL_OFFSET(SlidingImage, AxisX.Callback, 72 + 28);
static_assert(sizeof(Icon) == 72 + 28 + 8 + 4 + 4 + 8 + 4 + 4);
static_assert(sizeof(MovingImage) == 72 + 2 * (28 + 8 + 8 + 8 + 4));
static_assert(sizeof(MouseArea) == 48);
#endif

#undef PANEL_OFFSET
