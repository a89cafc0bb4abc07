// Buttons, lamps, keys, knobs, thumbwheels and screws.
#include "controls.h"

#include "draw.h"
#include "font.h"
#include "palette.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;

// Light falls from the upper left: +1 at the upper-left rim of a disc, -1 at the lower right.
double Lighting(double dx, double dy, double radius) {
    return -(dx + dy) / (radius * std::numbers::sqrt2);
}

void DrawFace(Bitmap8& picture, int x, int y, int width, int height, Face face) {
    ShadeRect(picture, x, y, width, height, [&](double dx, double dy) {
        const double glow = 1 - std::hypot(dx / width, dy / height) * 1.6; // bright centre
        switch (face) {
        case Face::Unlit:
            return int{ink::Grey(30 + static_cast<int>(Lighting(dx, dy, width) * 4))};
        case Face::Lit:
            return int{ink::Warm(12 + static_cast<int>(glow * 22))};
        case Face::LampUnlit:
            return int{ink::Lens(6 + static_cast<int>(glow * 6))};
        case Face::LampLit:
            return int{ink::Amber(14 + static_cast<int>(glow * 24))};
        }
        return -1;
    });
}

uint8_t CaptionInk(Face face) {
    return face == Face::Unlit || face == Face::LampUnlit ? ink::Black : ink::LitCaption;
}

} // namespace

void DrawButton(Bitmap8& picture, int x, int y, int width, int height, std::string_view caption,
                Face face) {
    OutlineRect(picture, x, y, width, height, ink::Bezel);
    BevelRect(picture, x + 1, y + 1, width - 2, height - 2, 2, ink::Grey(24), ink::Grey(6));
    DrawFace(picture, x + 3, y + 3, width - 6, height - 6, face);
    DrawTextCentred(picture, x + width / 2, y + height / 2, caption, CaptionInk(face));
}

void DrawKey(Bitmap8& picture, int x, int y, int width, int height, std::string_view digit,
             std::string_view letter) {
    // Inset by two pixels so that neighbouring keys stand apart even where their areas touch.
    x += 2, y += 2, width -= 4, height -= 4;
    OutlineRect(picture, x, y, width, height, ink::Bezel);
    BevelRect(picture, x + 1, y + 1, width - 2, height - 2, 2, ink::Grey(58), ink::Grey(26));
    ShadeRect(picture, x + 3, y + 3, width - 6, height - 6, [&](double dx, double dy) {
        return int{ink::Grey(47 + static_cast<int>(Lighting(dx, dy, width) * 3))};
    });
    const int centreX = x + width / 2, centreY = y + height / 2;
    if (letter.empty()) {
        DrawTextCentred(picture, centreX, centreY, digit, ink::Black, 2);
        return;
    }
    DrawTextCentred(picture, centreX + 5, centreY, digit, ink::Black, 2);
    DrawTextCentred(picture, centreX - 9, centreY, letter, ink::Black);
}

void DrawKnob(Bitmap8& picture, double centreX, double centreY, const KnobShape& shape,
              double angleDegrees) {
    FillDisc(picture, centreX + 1.5, centreY + 2, shape.SkirtRadius, ink::PanelShadow);
    const double r = shape.SkirtRadius;
    const int left = static_cast<int>(std::floor(centreX - r)),
              top = static_cast<int>(std::floor(centreY - r));
    const int size = static_cast<int>(std::ceil(2 * r)) + 1;
    for (int y = top; y <= top + size; ++y)
        for (int x = left; x <= left + size; ++x) {
            const double dx = x + 0.5 - centreX, dy = y + 0.5 - centreY;
            const double distance = std::hypot(dx, dy);
            if (distance > r)
                continue;
            const double light = Lighting(dx, dy, r);
            int level;
            if (distance > r - 1)
                level = 3; // dark edge against the panel
            else if (distance > shape.CapRadius) {
                const int ridge =
                    static_cast<int>(std::floor((std::atan2(dy, dx) + Pi) / (2 * Pi / 48))) & 1;
                level = 11 + static_cast<int>(light * 6) + (ridge ? 3 : -2);
            } else if (distance > shape.CapRadius - 1)
                level = 5 + static_cast<int>(light * 6); // step down from cap to skirt
            else
                level = 20 + static_cast<int>(light * 9);
            picture.Set(x, y, ink::Grey(level));
        }
    const double angle = angleDegrees * Pi / 180;
    const double ux = std::sin(angle), uy = -std::cos(angle);
    StrokeLine(picture, centreX + ux * shape.PointerInner, centreY + uy * shape.PointerInner,
               centreX + ux * shape.PointerOuter, centreY + uy * shape.PointerOuter,
               shape.PointerHalfWidth, ink::Caption);
}

void DrawThumbwheel(Bitmap8& picture, int x, int y, int width, int height) {
    picture.FillRect(x, y, width, height, ink::Bezel);
    BevelRect(picture, x - 1, y - 1, width + 2, height + 2, 1, ink::PanelShadow, ink::PanelLight);
    const int wheelTop = y + 1, wheelHeight = height - 2;
    for (int row = 0; row < wheelHeight; ++row) {
        // The wheel curves away from the eye above and below its middle.
        const double angle = (row + 0.5 - wheelHeight / 2.0) / (wheelHeight / 2.0) * 1.35;
        int level = 4 + static_cast<int>(std::cos(angle) * 26);
        if (row % 4 == 0)
            level -= 8; // groove between ridges
        else if (row % 4 == 1)
            level += 6; // ridge catching the light
        picture.FillRect(x + 1, wheelTop + row, width - 2, 1, ink::Grey(level));
    }
}

void DrawScrew(Bitmap8& picture, double centreX, double centreY) {
    constexpr double Radius = 4.5;
    FillDisc(picture, centreX + 0.7, centreY + 0.9, Radius, ink::PanelShadow);
    FillDisc(picture, centreX, centreY, Radius, ink::Grey(4));
    const int left = static_cast<int>(centreX - Radius), top = static_cast<int>(centreY - Radius);
    for (int y = top; y < top + 10; ++y)
        for (int x = left; x < left + 10; ++x) {
            const double dx = x + 0.5 - centreX, dy = y + 0.5 - centreY;
            if (std::hypot(dx, dy) <= Radius - 1)
                picture.Set(x, y, ink::Grey(30 + static_cast<int>(Lighting(dx, dy, Radius) * 10)));
        }
    StrokeLine(picture, centreX - 2.6, centreY + 1.5, centreX + 2.6, centreY - 1.5, 0.7,
               ink::Grey(5));
}
