// The panel tables against the unit's layout: every element in drawing order, every mouse area,
// and an update of the whole tree as the host runs it.
#include "cdu_test_support.h"

#include "controls.h"
#include "keypad.h"
#include "navigation_cycle.h"
#include "panel_tables.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

struct Visit {
    ElementRecord* Element;
    int Parent; // drawing order of the parent, 0 for the root
};

// Depth first, an element before its children: the order in which the host draws and updates.
void WalkTree(ElementRecord* element, int parent, std::vector<Visit>& out) {
    out.push_back({element, parent});
    const int order = static_cast<int>(out.size());
    ElementRecord** children = element->Children;
    for (int k = 0; children != nullptr && children[k] != nullptr; ++k) {
        ASSERT_LT(out.size(), 100u) << "the tree does not end";
        WalkTree(children[k], order, out);
    }
}

std::vector<Visit> DrawingOrder() {
    std::vector<Visit> visits;
    WalkTree(VeldraElementList[0], 0, visits);
    return visits;
}

struct ElementRow {
    const char* Name;
    int32_t Kind;
    int32_t Picture;
    int32_t X, Y;
    int32_t Flags;
    int32_t VariableId;
    ElementCallback Callback;
    double CountOrLastFrame; // icons: picture count; moving images: the y axis' second limit
    int Parent;
};

constexpr int32_t S = ElementStaticImage;
constexpr int32_t I = ElementIcon;
constexpr int32_t M = ElementMovingImage;

const ElementRow Layout[] = {
    {"background", S, 4096, 0, 0, 1, 0, nullptr, 0, 0},
    {"E/W letters", I, 10240, 353, 16, 6, TickVar, EastWestLettersCallback, 3, 1},
    {"N/S letters", I, 9984, 164, 16, 6, HeadingVar, NorthSouthLettersCallback, 3, 2},
    {"mode knob", I, 9728, 52, 177, 3, TickVar, ModeKnobCallback, 3, 3},
    {"data knob", I, 9472, 58, 230, 3, HeadingVar, DataSelectorKnobCallback, 8, 4},
    {"INSERT", I, 10496, 128, 177, 7, 0, InsertButtonCallback, 2, 5},
    {"TK CHG", I, 12288, 92, 126, 7, 0, TrackChangeButtonCallback, 2, 6},
    {"HOLD", I, 12800, 203, 259, 7, 0, HoldButtonCallback, 2, 7},
    {"ALERT", I, 13568, 201, 74, 7, TickVar, AlertLampCallback, 2, 8},
    {"LeftUpperDot2", I, 13056, 88, 11, 7, 0, LeftUpperDot2Callback, 2, 9},
    {"TO digit", M, 9216, 115, 87, 4, HeadingVar, ToDigitCallback, 12, 10},
    {"FROM digit", M, 8960, 92, 87, 4, HeadingVar, FromDigitCallback, 12, 11},
    {"WPT digit", M, 8704, 48, 112, 4, HeadingVar, WptDigitCallback, 9, 12},
    {"right digit 1", M, 5632, 190, 17, 4, 0, RightDigit1Callback, 12, 13},
    {"right digit 2", M, 5632, 215, 17, 4, 0, RightDigit2Callback, 12, 14},
    {"right digit 3", M, 5632, 240, 17, 4, 0, RightDigit3Callback, 12, 15},
    {"right digit 4", M, 5632, 265, 17, 4, 0, RightDigit4Callback, 12, 16},
    {"right digit 5", M, 5632, 290, 17, 4, 0, RightDigit5Callback, 12, 17},
    {"right digit 6", M, 5632, 315, 17, 4, 0, RightDigit6Callback, 12, 18},
    {"left digit 1", M, 5632, 40, 17, 4, 0, LeftDigit1Callback, 12, 19},
    {"left digit 2", M, 5632, 65, 17, 4, 0, LeftDigit2Callback, 12, 20},
    {"left digit 3", M, 5632, 90, 17, 4, 0, LeftDigit3Callback, 12, 21},
    {"left digit 4", M, 5632, 115, 17, 4, 0, LeftDigit4Callback, 12, 22},
    {"left digit 5", M, 5632, 140, 17, 4, 0, LeftDigit5Callback, 12, 23},
    {"LeftUpperDot5", I, 13056, 159, 11, 7, 0, LeftUpperDot5Callback, 2, 9},
    {"RightUpperDot3", I, 13056, 266, 11, 7, 0, RightUpperDot3Callback, 2, 9},
    {"RightUpperDot6", I, 13056, 342, 11, 7, 0, RightUpperDot6Callback, 2, 9},
    {"LeftLowerDot3", I, 13056, 110, 51, 7, 0, LeftLowerDot3Callback, 2, 9},
    {"LeftLowerDot4", I, 13056, 135, 51, 7, 0, LeftLowerDot4Callback, 2, 9},
    {"RightLowerDot4", I, 13056, 283, 51, 7, 0, RightLowerDot4Callback, 2, 9},
    {"RightLowerDot5", I, 13056, 310, 51, 7, 0, RightLowerDot5Callback, 2, 9},
};

void ExpectHeader(const ElementRecord& e, const ElementRow& row) {
    EXPECT_EQ(int32_t{e.Kind}, row.Kind);
    EXPECT_EQ(int32_t{e.Picture}, row.Picture);
    EXPECT_EQ(int32_t{e.X}, row.X);
    EXPECT_EQ(int32_t{e.Y}, row.Y);
    EXPECT_EQ(int32_t{e.DrawingFlags}, row.Flags);
    for (int32_t word : e.HostWords)
        EXPECT_EQ(word, 0);
    EXPECT_TRUE(e.Gauge == &VeldraGaugeHeader);
    EXPECT_EQ(int32_t{e.Reserved36}, 0);
    EXPECT_EQ(int32_t{e.Reserved52}, 0);
    EXPECT_EQ(int32_t{e.Reserved56}, 0);
    const int32_t* conditions = e.Conditions;
    ASSERT_TRUE(conditions != nullptr);
    EXPECT_EQ(conditions[0], 1);
    EXPECT_EQ(conditions[1], 2);
    EXPECT_EQ(conditions[2], 0);
}

void ExpectVariable(const HostVariable& v, int32_t id) {
    EXPECT_EQ(int32_t{v.Id}, id);
    EXPECT_EQ(int32_t{v.HostWord1}, 0);
    EXPECT_EQ(int32_t{v.HostWord2}, 0);
    EXPECT_EQ(double{v.Value}, 0.0);
}

void ExpectIcon(const Icon& icon, const ElementRow& row) {
    ExpectVariable(icon.Variable, row.VariableId);
    EXPECT_TRUE(icon.Callback == row.Callback);
    EXPECT_EQ(int32_t{icon.Reserved92}, 0);
    EXPECT_EQ(int32_t{icon.Reserved96}, 0);
    EXPECT_EQ(double{icon.Unit}, 1.0);
    EXPECT_EQ(int32_t{icon.Reserved108}, 0);
    EXPECT_EQ(int32_t{icon.PictureCount}, static_cast<int32_t>(row.CountOrLastFrame));
}

void ExpectMovingImage(const MovingImage& image, const ElementRow& row) {
    ExpectVariable(image.AxisX.Variable, 0);
    EXPECT_TRUE(image.AxisX.Callback == nullptr);
    EXPECT_EQ(double{image.AxisX.FirstLimit}, 0.0);
    EXPECT_EQ(double{image.AxisX.SecondLimit}, 0.0);
    EXPECT_EQ(int32_t{image.AxisX.Reserved}, 0);
    ExpectVariable(image.AxisY.Variable, row.VariableId);
    EXPECT_TRUE(image.AxisY.Callback == row.Callback);
    EXPECT_EQ(double{image.AxisY.FirstLimit}, 0.0);
    EXPECT_EQ(double{image.AxisY.SecondLimit}, row.CountOrLastFrame);
    EXPECT_EQ(int32_t{image.AxisY.Reserved}, 0);
}

TEST(PanelTables, ElementTreeMatchesTheLayoutInDrawingOrder) {
    EXPECT_TRUE(VeldraElementList[0] == &VeldraBackground.Header);
    EXPECT_TRUE(VeldraElementList[1] == nullptr);
    EXPECT_TRUE(VeldraBackground.LoadedPicture == nullptr);

    const std::vector<Visit> visits = DrawingOrder();
    ASSERT_EQ(visits.size(), std::size(Layout));
    for (size_t k = 0; k < visits.size(); ++k) {
        const ElementRow& row = Layout[k];
        SCOPED_TRACE(std::to_string(k + 1) + " " + row.Name);
        ElementRecord* e = visits[k].Element;
        EXPECT_EQ(visits[k].Parent, row.Parent);
        ExpectHeader(*e, row);
        if (row.Kind == ElementIcon)
            ExpectIcon(*reinterpret_cast<const Icon*>(e), row);
        if (row.Kind == ElementMovingImage)
            ExpectMovingImage(*reinterpret_cast<const MovingImage*>(e), row);
    }
}

// A leaf has no child list at all, and every other list holds one child, except the ALERT
// lamp's: LeftUpperDot2 (with the chain of digits below it), then the seven other dots.
TEST(PanelTables, ChildListsAreNullForLeavesAndOneLongElseExceptAlert) {
    const std::vector<Visit> visits = DrawingOrder();
    for (size_t k = 0; k < visits.size(); ++k) {
        ElementRecord** children = visits[k].Element->Children;
        size_t count = 0;
        while (children != nullptr && children[count] != nullptr)
            ++count;
        const std::string name = Layout[k].Name;
        if (name == "ALERT")
            EXPECT_EQ(count, 8u);
        else if (name == "left digit 5" || k >= 24)
            EXPECT_TRUE(children == nullptr) << name;
        else
            EXPECT_EQ(count, 1u) << name;
    }
}

struct AreaRow {
    int32_t Type;
    int32_t X, Y, Width, Height;
    MouseHandler Handler;
};

const AreaRow Areas[] = {
    {MouseAreaParent, 0, 0, 0, 0, nullptr},
    {MouseAreaChild, 40, 80, 42, 34, WptWheelUpHandler},
    {MouseAreaChild, 40, 120, 42, 34, WptWheelDownHandler},
    {MouseAreaChild, 19, 220, 75, 100, DataSelectorLeftHandler},
    {MouseAreaChild, 105, 220, 75, 100, DataSelectorRightHandler},
    {MouseAreaChild, 10, 172, 60, 40, ModeSelectorLeftHandler},
    {MouseAreaChild, 70, 172, 60, 40, ModeSelectorRightHandler},
    {MouseAreaChild, 200, 250, 50, 45, HoldHandler},
    {MouseAreaChild, 128, 177, 50, 40, InsertHandler},
    {MouseAreaChild, 89, 125, 50, 40, TrackChangeHandler},
    {MouseAreaChild, 296, 75, 40, 40, WarnHandler},
    {MouseAreaChild, 204, 121, 40, 40, Key1Handler},
    {MouseAreaChild, 257, 121, 40, 40, Key2Handler},
    {MouseAreaChild, 312, 121, 40, 40, Key3Handler},
    {MouseAreaChild, 204, 165, 40, 40, Key4Handler},
    {MouseAreaChild, 257, 165, 40, 40, Key5Handler},
    {MouseAreaChild, 312, 165, 40, 40, Key6Handler},
    {MouseAreaChild, 204, 205, 40, 40, Key7Handler},
    {MouseAreaChild, 257, 205, 40, 40, Key8Handler},
    {MouseAreaChild, 312, 205, 40, 40, Key9Handler},
    {MouseAreaChild, 257, 260, 40, 40, Key0Handler},
    {MouseAreaChild, 312, 260, 40, 50, ClearHandler},
    {MouseAreaEnd, 0, 0, 0, 0, nullptr},
};

TEST(PanelTables, MouseAreasMatchTheLayoutInListOrder) {
    static_assert(std::size(Areas) == VeldraMouseAreaCount);
    for (int k = 0; k < VeldraMouseAreaCount; ++k) {
        SCOPED_TRACE("area " + std::to_string(k + 1));
        const MouseArea& a = VeldraMouseAreas[k];
        const AreaRow& row = Areas[k];
        const bool child = row.Type == MouseAreaChild;
        EXPECT_EQ(int32_t{a.Type}, row.Type);
        EXPECT_EQ(int32_t{a.X}, row.X);
        EXPECT_EQ(int32_t{a.Y}, row.Y);
        EXPECT_EQ(int32_t{a.Width}, row.Width);
        EXPECT_EQ(int32_t{a.Height}, row.Height);
        EXPECT_EQ(int32_t{a.Cursor}, child ? 5 : -1);
        EXPECT_EQ(int32_t{a.HelpId}, 0);
        EXPECT_EQ(int32_t{a.EventMask}, child ? 0x20000000 : 0);
        EXPECT_EQ(int32_t{a.Reserved32}, 0);
        EXPECT_TRUE(a.Handler == row.Handler);
        EXPECT_EQ(int32_t{a.Reserved40}, 0);
    }
}

// The first child area that holds the point, as the host tests them.
MouseHandler HandlerAt(int32_t x, int32_t y) {
    for (const MouseArea& a : VeldraMouseAreas) {
        if (a.Type == MouseAreaChild && x >= a.X && x < a.X + a.Width && y >= a.Y &&
            y < a.Y + a.Height)
            return a.Handler;
    }
    return nullptr;
}

TEST(PanelTables, ClicksReachTheirControls) {
    struct {
        int32_t X, Y;
        MouseHandler Handler;
    } const clicks[] = {
        {100, 140, TrackChangeHandler},
        {60, 100, WptWheelUpHandler},
        {60, 140, WptWheelDownHandler},
        {320, 300, ClearHandler},
        {270, 300, nullptr}, // below key 0: keys are 40 high
        {230, 90, nullptr},  // the ALERT lamp
        {100, 30, nullptr},  // a display
        {150, 190, InsertHandler},
    };
    for (const auto& c : clicks)
        EXPECT_TRUE(HandlerAt(c.X, c.Y) == c.Handler) << c.X << ", " << c.Y;
}

// The host's update: every variable refreshed (here: set to the tick), every callback called in
// tree order. Returns the pictures by drawing order; the background has none.
std::vector<double> UpdateTree(double tick) {
    std::vector<double> pictures;
    for (const Visit& v : DrawingOrder()) {
        ElementRecord* e = v.Element;
        if (e->Kind == ElementIcon) {
            Icon* icon = reinterpret_cast<Icon*>(e);
            icon->Variable.Value = tick;
            pictures.push_back(icon->Callback(&icon->Variable));
        } else if (e->Kind == ElementMovingImage) {
            MovingImage* image = reinterpret_cast<MovingImage*>(e);
            image->AxisY.Variable.Value = tick;
            pictures.push_back(image->AxisY.Callback(&image->AxisY.Variable));
        }
    }
    return pictures;
}

using PanelUpdate = CduTest;

TEST_F(PanelUpdate, LoadValuesBeforeTheFirstCycleShowZeros) {
    const std::vector<double> pictures = UpdateTree(1.0); // no navigation cycle at tick 1
    EXPECT_EQ(pictures, std::vector<double>(std::size(Layout) - 1, 0.0));
    EXPECT_STREQ(Display.LeftText, "000000");
}

TEST_F(PanelUpdate, DisplaysBlankThroughTheTreeInItsOrder) {
    std::strcpy(Display.RightText, "1123456");
    Display.RightBlankZeros = 1;
    std::strcpy(Display.LeftText, "1000450");
    Display.LeftBlankZeros = 1;
    Ins().FromWpt = 2;
    Ins().ToWpt = 8;
    Ins().WptIndex = 5;
    const std::vector<double> pictures = UpdateTree(1.0);
    // Drawing order minus the background: TO, FROM, WPT at 10-12, right 13-18, left 19-23.
    const std::vector<double> digits(pictures.begin() + 9, pictures.begin() + 23);
    EXPECT_EQ(digits, (std::vector<double>{8, 2, 5, 1, 2, 3, 4, 5, 6, 10, 10, 10, 4, 5}));
}

} // namespace
