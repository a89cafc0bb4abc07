// The background picture: the front of the unit with its captions and every control but the
// two knobs, all unlit.
#include "pictures.h"

#include "controls.h"
#include "draw.h"
#include "font.h"
#include "layout.h"
#include "palette.h"

#include <cmath>
#include <numbers>

namespace {

void DrawPanel(Bitmap8& picture) {
    OutlineRect(picture, 0, 0, BackgroundWidth, BackgroundHeight, ink::Bezel);
    BevelRect(picture, 1, 1, BackgroundWidth - 2, BackgroundHeight - 2, 2, ink::PanelLight,
              ink::PanelShadow);
    for (double x : {9.5, 391.5})
        for (double y : {9.5, 306.5})
            DrawScrew(picture, x, y);
}

// A window of glass sunk into the panel behind a dark bezel.
void DrawWindow(Bitmap8& picture, const Box& glass) {
    BevelRect(picture, glass.X - 4, glass.Y - 4, glass.Width + 8, glass.Height + 8, 1,
              ink::PanelShadow, ink::PanelLight);
    picture.FillRect(glass.X - 3, glass.Y - 3, glass.Width + 6, glass.Height + 6, ink::Bezel);
    picture.FillRect(glass.X, glass.Y, glass.Width, glass.Height, ink::Window);
}

void DrawStackedLetters(Bitmap8& picture, int x, int centreY, const char* letters) {
    const int count = 3, pitch = GlyphHeight + 2;
    int y = centreY - (count * pitch - 2) / 2;
    for (int i = 0; i < count; ++i, y += pitch) {
        const char letter[2] = {letters[i], 0};
        DrawText(picture, x, y, letter, ink::Caption);
    }
}

void DrawWheels(Bitmap8& picture) {
    DrawThumbwheel(picture, WptWheelSlot.X, WptWheelSlot.Y, WptWheelSlot.Width,
                   WptWheelSlot.Height);
    const Box& digit = WptDigit;
    picture.FillRect(digit.X - 2, digit.Y - 2, digit.Width + 4, digit.Height + 4, ink::Bezel);
    picture.FillRect(digit.X, digit.Y, digit.Width, digit.Height, ink::Paper);
    DrawStackedLetters(picture, 38, digit.Y + digit.Height / 2, "WPT");

    DrawThumbwheel(picture, DimWheelSlot.X, DimWheelSlot.Y, DimWheelSlot.Width,
                   DimWheelSlot.Height);
    DrawStackedLetters(picture, DimWheelSlot.X + DimWheelSlot.Width + 5,
                       DimWheelSlot.Y + DimWheelSlot.Height / 2, "DIM");
}

void DrawTick(Bitmap8& picture, double centreX, double centreY, double angleDegrees, double inner,
              double outer) {
    const double angle = angleDegrees * std::numbers::pi / 180;
    const double ux = std::sin(angle), uy = -std::cos(angle);
    StrokeLine(picture, centreX + ux * inner, centreY + uy * inner, centreX + ux * outer,
               centreY + uy * outer, 0.7, ink::Caption);
}

struct KnobCaption {
    const char* Text;
    int X, Y; // top left of the caption
};

void DrawModeSelectorPlace(Bitmap8& picture) {
    const double centreX = ModeKnobX + ModeKnobBox / 2.0, centreY = ModeKnobY + ModeKnobBox / 2.0;
    for (double angle : ModeKnobAngles)
        DrawTick(picture, centreX, centreY, angle, 17.5, 21);
    constexpr KnobCaption Captions[] = {{"MAN", 61, 162}, {"AUTO", 24, 170}, {"RMT", 90, 170}};
    for (const KnobCaption& caption : Captions)
        DrawText(picture, caption.X, caption.Y, caption.Text, ink::Caption);
}

void DrawDataSelectorPlace(Bitmap8& picture) {
    const double centreX = DataKnobX + DataKnobBox / 2.0, centreY = DataKnobY + DataKnobBox / 2.0;
    for (double angle : DataKnobAngles)
        DrawTick(picture, centreX, centreY, angle, 32.5, 37);
    constexpr KnobCaption Captions[] = {
        {"TK GS", 41, 297}, {"HDG DA", 24, 276},    {"XTK TKE", 19, 251}, {"POS", 58, 231},
        {"WPT", 90, 222},   {"DIS TIME", 126, 235}, {"WIND", 139, 267},   {"DSR TK STS", 127, 297},
    };
    for (const KnobCaption& caption : Captions)
        DrawText(picture, caption.X, caption.Y, caption.Text, ink::Caption);
}

void DrawButtons(Bitmap8& picture) {
    auto button = [&](const Box& box, const char* caption, Face face) {
        DrawButton(picture, box.X, box.Y, box.Width, box.Height, caption, face);
    };
    button(TrackChangeButton, "TK CHG", Face::Unlit);
    button(InsertButton, "INSERT", Face::Unlit);
    button(HoldButton, "HOLD", Face::Unlit);
    button(WarnButton, "WARN", Face::Unlit);
    button(AlertLamp, "ALERT", Face::LampUnlit);
    for (const KeyPlace& key : Keys)
        DrawKey(picture, key.Area.X, key.Area.Y, key.Area.Width, key.Area.Height, key.Digit,
                key.Letter);
    DrawKey(picture, ClearKey.X, ClearKey.Y, ClearKey.Width, ClearKey.Height, "", "");
    DrawTextCentred(picture, ClearKey.X + ClearKey.Width / 2, ClearKey.Y + ClearKey.Height / 2,
                    "CLEAR", ink::Black);
}

void DrawDisplays(Bitmap8& picture) {
    DrawWindow(picture, LeftWindow);
    DrawWindow(picture, RightWindow);
    DrawWindow(picture, FromToWindow);
    DrawTextCentred(picture, FromDigitX + 12, 78, "FROM", ink::Caption);
    DrawTextCentred(picture, ToDigitX + 13, 78, "TO", ink::Caption);
    DrawText(picture, 331, 63, "VELDRA", ink::Grey(36));
}

} // namespace

Bitmap8 DrawBackground() {
    Bitmap8 picture = MakePicture(BackgroundWidth, BackgroundHeight, ink::Panel);
    DrawPanel(picture);
    DrawDisplays(picture);
    DrawWheels(picture);
    DrawModeSelectorPlace(picture);
    DrawDataSelectorPlace(picture);
    DrawButtons(picture);
    return picture;
}
