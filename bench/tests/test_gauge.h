// A gauge assembled by a test: its element records, pictures and mouse-area lists are set up by
// the test, and its routines hand them to the bench's services like any module would.
#pragma once

#include "bench.h"
#include "bitmap8.h"
#include "host_calls.h"

#include <map>
#include <vector>

namespace testing_gauge {

// Which handler ran, in order: 1, 2, 3, ... for ChildHandler<1>, <2>, ...; 100 for the parent
// and end areas' handlers, which must never run.
extern std::vector<int> Hits;

int32_t PANEL_CALL ParentOrEndHandler(uint32_t, uint32_t);
template <int Id> int32_t PANEL_CALL ChildHandler(uint32_t, uint32_t) {
    Hits.push_back(Id);
    return 0;
}
// Records 9, then unregisters the list that TestGauge::Lists holds second.
int32_t PANEL_CALL UnregisteringHandler(uint32_t, uint32_t);

// Returns the variable's value unchanged.
double PANEL_CALL PassThrough(HostVariable* variable);

MouseArea Area(MouseAreaType type, int x, int y, int width, int height, MouseHandler handler);

struct TestGauge {
    TestGauge();
    ~TestGauge();

    ElementRecord* Root = nullptr;
    std::vector<MouseArea*> Lists; // installed against the root's picture and registered in order
    std::map<int32_t, std::vector<uint8_t>> Pictures;

    void AddPicture(int32_t number, const Bitmap8& picture);
    bool AddTo(bench::Bench& bench, int x, int y, int width, std::string& error);

    GaugeHeader Header{};
    LinkageRecord Linkage{};
    ElementRecord* ElementList[2] = {nullptr, nullptr};
};

// Element records with the given essentials; everything else zero.
StaticImage MakeStatic(int32_t picture, int x, int y, int flags);
SlidingImage MakeSliding(int32_t picture, int x, int y, int flags, int32_t variableX, double scaleX,
                         int32_t variableY, double scaleY);
Icon MakeIcon(int32_t picture, int x, int y, int flags, int32_t variable, int32_t count);
MovingImage MakeMoving(int32_t picture, int x, int y, int flags, int32_t variableX, double firstX,
                       double secondX, int32_t variableY, double firstY, double secondY);

// Links children under a parent; the arrays must outlive the bench.
void SetChildren(ElementRecord& parent, ElementRecord** nullEndedChildren);

// A picture filled with one palette colour.
Bitmap8 SolidPicture(int width, int height, PaletteColour colour);

} // namespace testing_gauge
