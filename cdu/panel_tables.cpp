// The VELDRA element tree, in drawing order, and the mouse areas of every control.
#include "panel_tables.h"

#include "controls.h"
#include "display_callbacks.h"
#include "keypad.h"
#include "navigation_cycle.h"

const int32_t VeldraElementConditions[3] = {1, 2, 0};

namespace {

// Drawing flags. Bit 0 lets pure black show through: the knobs' corners and the all-black dark
// pictures of the buttons, dots and ALERT lamp need it; strips and letters are drawn whole.
constexpr int32_t BackgroundFlags = 1;
constexpr int32_t LetterFlags = 6;
constexpr int32_t KnobFlags = 3;
constexpr int32_t LampFlags = 7;
constexpr int32_t StripFlags = 4;

constexpr double DigitStripLastFrame = 12.0; // 0-9, blank, L, R
constexpr double SmallStripLastFrame = 9.0;  // 0-9

constexpr ElementRecord Header(ElementKind kind, int32_t picture, int32_t x, int32_t y,
                               int32_t flags, ElementRecord** children) {
    ElementRecord header{};
    header.Kind = kind;
    header.Picture = picture;
    header.X = x;
    header.Y = y;
    header.Gauge = &VeldraGaugeHeader;
    header.Children = children;
    header.Conditions = VeldraElementConditions;
    header.DrawingFlags = flags;
    return header;
}

constexpr HostVariable Variable(int32_t id) {
    HostVariable variable{};
    variable.Id = id;
    return variable;
}

constexpr Icon MakeIcon(int32_t picture, int32_t x, int32_t y, int32_t flags, int32_t variableId,
                        ElementCallback callback, int32_t pictureCount, ElementRecord** children) {
    Icon icon{};
    icon.Header = Header(ElementIcon, picture, x, y, flags, children);
    icon.Variable = Variable(variableId);
    icon.Callback = callback;
    icon.Unit = 1.0;
    icon.PictureCount = pictureCount;
    return icon;
}

// A strip that slides vertically only: value k shows frame k in the window.
constexpr MovingImage MakeStrip(int32_t picture, int32_t x, int32_t y, int32_t variableId,
                                ElementCallback callback, double lastFrame,
                                ElementRecord** children) {
    MovingImage strip{};
    strip.Header = Header(ElementMovingImage, picture, x, y, StripFlags, children);
    strip.AxisX.Variable = Variable(NoVariable);
    strip.AxisY.Variable = Variable(variableId);
    strip.AxisY.Callback = callback;
    strip.AxisY.FirstLimit = 0.0;
    strip.AxisY.SecondLimit = lastFrame;
    return strip;
}

constexpr MovingImage MakeDigit(int32_t picture, int32_t x, int32_t y, int32_t variableId,
                                ElementCallback callback, ElementRecord** children) {
    return MakeStrip(picture, x, y, variableId, callback, DigitStripLastFrame, children);
}

// Each child list names the elements drawn after the parent; defined below the records.
extern ElementRecord* BackgroundChildren[];
extern ElementRecord* EastWestChildren[];
extern ElementRecord* NorthSouthChildren[];
extern ElementRecord* ModeKnobChildren[];
extern ElementRecord* DataKnobChildren[];
extern ElementRecord* InsertChildren[];
extern ElementRecord* TrackChangeChildren[];
extern ElementRecord* HoldChildren[];
extern ElementRecord* AlertChildren[];
extern ElementRecord* LeftUpperDot2Children[];
extern ElementRecord* ToDigitChildren[];
extern ElementRecord* FromDigitChildren[];
extern ElementRecord* WptDigitChildren[];
extern ElementRecord* RightDigit1Children[];
extern ElementRecord* RightDigit2Children[];
extern ElementRecord* RightDigit3Children[];
extern ElementRecord* RightDigit4Children[];
extern ElementRecord* RightDigit5Children[];
extern ElementRecord* RightDigit6Children[];
extern ElementRecord* LeftDigit1Children[];
extern ElementRecord* LeftDigit2Children[];
extern ElementRecord* LeftDigit3Children[];
extern ElementRecord* LeftDigit4Children[];

// Resource numbers of the pictures. A picture set continues at base + 3, + 6, ...
constexpr int32_t BackgroundPicture = 4096;
constexpr int32_t DisplayStrip = 5632;
constexpr int32_t SmallStrip = 8704;
constexpr int32_t FromStrip = 8960;
constexpr int32_t ToStrip = 9216;
constexpr int32_t DataKnobPictures = 9472;
constexpr int32_t ModeKnobPictures = 9728;
constexpr int32_t NorthSouthPictures = 9984;
constexpr int32_t EastWestPictures = 10240;
constexpr int32_t InsertPictures = 10496;
constexpr int32_t TrackChangePictures = 12288;
constexpr int32_t HoldPictures = 12800;
constexpr int32_t DotPictures = 13056;
constexpr int32_t AlertPictures = 13568;

constexpr int32_t DigitRow = 17;
constexpr int32_t UpperDotRow = 11;
constexpr int32_t LowerDotRow = 51;

// ---------------------------------------------------------------------------------------------
// The element records, in drawing order
// ---------------------------------------------------------------------------------------------

Icon EastWestLetters = MakeIcon(EastWestPictures, 353, 16, LetterFlags, TickVar,
                                EastWestLettersCallback, 3, EastWestChildren);
Icon NorthSouthLetters = MakeIcon(NorthSouthPictures, 164, 16, LetterFlags, HeadingVar,
                                  NorthSouthLettersCallback, 3, NorthSouthChildren);
Icon ModeKnob =
    MakeIcon(ModeKnobPictures, 52, 177, KnobFlags, TickVar, ModeKnobCallback, 3, ModeKnobChildren);
Icon DataKnob = MakeIcon(DataKnobPictures, 58, 230, KnobFlags, HeadingVar, DataSelectorKnobCallback,
                         8, DataKnobChildren);
Icon InsertButton = MakeIcon(InsertPictures, 128, 177, LampFlags, NoVariable, InsertButtonCallback,
                             2, InsertChildren);
Icon TrackChangeButton = MakeIcon(TrackChangePictures, 92, 126, LampFlags, NoVariable,
                                  TrackChangeButtonCallback, 2, TrackChangeChildren);
Icon HoldButton =
    MakeIcon(HoldPictures, 203, 259, LampFlags, NoVariable, HoldButtonCallback, 2, HoldChildren);
Icon AlertLamp =
    MakeIcon(AlertPictures, 201, 74, LampFlags, TickVar, AlertLampCallback, 2, AlertChildren);

Icon LeftUpperDot2 = MakeIcon(DotPictures, 88, UpperDotRow, LampFlags, NoVariable,
                              LeftUpperDot2Callback, 2, LeftUpperDot2Children);
MovingImage ToDigit = MakeDigit(ToStrip, 115, 87, HeadingVar, ToDigitCallback, ToDigitChildren);
MovingImage FromDigit =
    MakeDigit(FromStrip, 92, 87, HeadingVar, FromDigitCallback, FromDigitChildren);
MovingImage WptDigit = MakeStrip(SmallStrip, 48, 112, HeadingVar, WptDigitCallback,
                                 SmallStripLastFrame, WptDigitChildren);

// Each display from digit 1 to its last, right display first: the blanking relies on it.
MovingImage RightDigit1 =
    MakeDigit(DisplayStrip, 190, DigitRow, NoVariable, RightDigit1Callback, RightDigit1Children);
MovingImage RightDigit2 =
    MakeDigit(DisplayStrip, 215, DigitRow, NoVariable, RightDigit2Callback, RightDigit2Children);
MovingImage RightDigit3 =
    MakeDigit(DisplayStrip, 240, DigitRow, NoVariable, RightDigit3Callback, RightDigit3Children);
MovingImage RightDigit4 =
    MakeDigit(DisplayStrip, 265, DigitRow, NoVariable, RightDigit4Callback, RightDigit4Children);
MovingImage RightDigit5 =
    MakeDigit(DisplayStrip, 290, DigitRow, NoVariable, RightDigit5Callback, RightDigit5Children);
MovingImage RightDigit6 =
    MakeDigit(DisplayStrip, 315, DigitRow, NoVariable, RightDigit6Callback, RightDigit6Children);
MovingImage LeftDigit1 =
    MakeDigit(DisplayStrip, 40, DigitRow, NoVariable, LeftDigit1Callback, LeftDigit1Children);
MovingImage LeftDigit2 =
    MakeDigit(DisplayStrip, 65, DigitRow, NoVariable, LeftDigit2Callback, LeftDigit2Children);
MovingImage LeftDigit3 =
    MakeDigit(DisplayStrip, 90, DigitRow, NoVariable, LeftDigit3Callback, LeftDigit3Children);
MovingImage LeftDigit4 =
    MakeDigit(DisplayStrip, 115, DigitRow, NoVariable, LeftDigit4Callback, LeftDigit4Children);
MovingImage LeftDigit5 =
    MakeDigit(DisplayStrip, 140, DigitRow, NoVariable, LeftDigit5Callback, nullptr);

Icon LeftUpperDot5 = MakeIcon(DotPictures, 159, UpperDotRow, LampFlags, NoVariable,
                              LeftUpperDot5Callback, 2, nullptr);
Icon RightUpperDot3 = MakeIcon(DotPictures, 266, UpperDotRow, LampFlags, NoVariable,
                               RightUpperDot3Callback, 2, nullptr);
Icon RightUpperDot6 = MakeIcon(DotPictures, 342, UpperDotRow, LampFlags, NoVariable,
                               RightUpperDot6Callback, 2, nullptr);
Icon LeftLowerDot3 = MakeIcon(DotPictures, 110, LowerDotRow, LampFlags, NoVariable,
                              LeftLowerDot3Callback, 2, nullptr);
Icon LeftLowerDot4 = MakeIcon(DotPictures, 135, LowerDotRow, LampFlags, NoVariable,
                              LeftLowerDot4Callback, 2, nullptr);
Icon RightLowerDot4 = MakeIcon(DotPictures, 283, LowerDotRow, LampFlags, NoVariable,
                               RightLowerDot4Callback, 2, nullptr);
Icon RightLowerDot5 = MakeIcon(DotPictures, 310, LowerDotRow, LampFlags, NoVariable,
                               RightLowerDot5Callback, 2, nullptr);

// ---------------------------------------------------------------------------------------------
// Child lists, each ended by null
// ---------------------------------------------------------------------------------------------

ElementRecord* BackgroundChildren[] = {&EastWestLetters.Header, nullptr};
ElementRecord* EastWestChildren[] = {&NorthSouthLetters.Header, nullptr};
ElementRecord* NorthSouthChildren[] = {&ModeKnob.Header, nullptr};
ElementRecord* ModeKnobChildren[] = {&DataKnob.Header, nullptr};
ElementRecord* DataKnobChildren[] = {&InsertButton.Header, nullptr};
ElementRecord* InsertChildren[] = {&TrackChangeButton.Header, nullptr};
ElementRecord* TrackChangeChildren[] = {&HoldButton.Header, nullptr};
ElementRecord* HoldChildren[] = {&AlertLamp.Header, nullptr};
// The first dot carries the chain of leg, waypoint and display digits; the other seven dots
// come after all of it.
ElementRecord* AlertChildren[] = {
    &LeftUpperDot2.Header,  &LeftUpperDot5.Header,  &RightUpperDot3.Header,
    &RightUpperDot6.Header, &LeftLowerDot3.Header,  &LeftLowerDot4.Header,
    &RightLowerDot4.Header, &RightLowerDot5.Header, nullptr};
ElementRecord* LeftUpperDot2Children[] = {&ToDigit.Header, nullptr};
ElementRecord* ToDigitChildren[] = {&FromDigit.Header, nullptr};
ElementRecord* FromDigitChildren[] = {&WptDigit.Header, nullptr};
ElementRecord* WptDigitChildren[] = {&RightDigit1.Header, nullptr};
ElementRecord* RightDigit1Children[] = {&RightDigit2.Header, nullptr};
ElementRecord* RightDigit2Children[] = {&RightDigit3.Header, nullptr};
ElementRecord* RightDigit3Children[] = {&RightDigit4.Header, nullptr};
ElementRecord* RightDigit4Children[] = {&RightDigit5.Header, nullptr};
ElementRecord* RightDigit5Children[] = {&RightDigit6.Header, nullptr};
ElementRecord* RightDigit6Children[] = {&LeftDigit1.Header, nullptr};
ElementRecord* LeftDigit1Children[] = {&LeftDigit2.Header, nullptr};
ElementRecord* LeftDigit2Children[] = {&LeftDigit3.Header, nullptr};
ElementRecord* LeftDigit3Children[] = {&LeftDigit4.Header, nullptr};
ElementRecord* LeftDigit4Children[] = {&LeftDigit5.Header, nullptr};

// ---------------------------------------------------------------------------------------------
// Mouse areas
// ---------------------------------------------------------------------------------------------

constexpr int32_t NoCursor = -1;
constexpr int32_t HandCursor = 5;
constexpr int32_t ClickEvents = 0x20000000;

constexpr MouseArea Boundary(MouseAreaType type) {
    MouseArea area{};
    area.Type = type;
    area.Cursor = NoCursor;
    return area;
}

constexpr MouseArea Child(int32_t x, int32_t y, int32_t width, int32_t height,
                          MouseHandler handler) {
    MouseArea area{};
    area.Type = MouseAreaChild;
    area.X = x;
    area.Y = y;
    area.Width = width;
    area.Height = height;
    area.Cursor = HandCursor;
    area.EventMask = ClickEvents;
    area.Handler = handler;
    return area;
}

} // namespace

StaticImage VeldraBackground = {
    Header(ElementStaticImage, BackgroundPicture, 0, 0, BackgroundFlags, BackgroundChildren),
    nullptr};

ElementRecord* VeldraElementList[2] = {&VeldraBackground.Header, nullptr};

// A click tests the child areas in this order and calls the first hit: where the right mode
// selector area and INSERT overlap (x 128-129), the mode selector takes the click.
MouseArea VeldraMouseAreas[VeldraMouseAreaCount] = {
    Boundary(MouseAreaParent),
    Child(40, 80, 42, 34, WptWheelUpHandler),
    Child(40, 120, 42, 34, WptWheelDownHandler),
    Child(19, 220, 75, 100, DataSelectorLeftHandler),
    Child(105, 220, 75, 100, DataSelectorRightHandler),
    Child(10, 172, 60, 40, ModeSelectorLeftHandler),
    Child(70, 172, 60, 40, ModeSelectorRightHandler),
    Child(200, 250, 50, 45, HoldHandler),
    Child(128, 177, 50, 40, InsertHandler),
    Child(89, 125, 50, 40, TrackChangeHandler),
    Child(296, 75, 40, 40, WarnHandler),
    Child(204, 121, 40, 40, Key1Handler),
    Child(257, 121, 40, 40, Key2Handler),
    Child(312, 121, 40, 40, Key3Handler),
    Child(204, 165, 40, 40, Key4Handler),
    Child(257, 165, 40, 40, Key5Handler),
    Child(312, 165, 40, 40, Key6Handler),
    Child(204, 205, 40, 40, Key7Handler),
    Child(257, 205, 40, 40, Key8Handler),
    Child(312, 205, 40, 40, Key9Handler),
    Child(257, 260, 40, 40, Key0Handler),
    Child(312, 260, 40, 50, ClearHandler),
    Boundary(MouseAreaEnd),
};
