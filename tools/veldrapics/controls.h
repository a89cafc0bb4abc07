// The unit's controls as drawn both in the background and in their own pictures: buttons,
// lamps, keys, knobs, thumbwheels and screws.
#pragma once

#include "bitmap8.h"

#include <string_view>

enum class Face {
    Unlit,     // button face as the background prints it: grey, pure black caption
    Lit,       // button lit from behind: warm white, dark caption
    LampUnlit, // ALERT lamp lens when dark
    LampLit,   // ALERT lamp glowing amber, dark caption
};

// A button or lamp filling the box (x, y, width, height): dark rim, bevel, face and caption.
// Lit and unlit forms share the rim and bevel, so a lit picture lies exactly over the button.
void DrawButton(Bitmap8& picture, int x, int y, int width, int height, std::string_view caption,
                Face face);

// A keypad key inside its mouse area: a light-grey raised square with a pure black digit and,
// when given, the letter it also carries to the left of the digit.
void DrawKey(Bitmap8& picture, int x, int y, int width, int height, std::string_view digit,
             std::string_view letter);

struct KnobShape {
    double SkirtRadius;  // knurled outer ring
    double CapRadius;    // smooth raised centre
    double PointerInner; // the white index line runs from this radius...
    double PointerOuter; // ...to this one
    double PointerHalfWidth;
};

// A round knob centred on (centreX, centreY) with its index line at `angleDegrees`, measured
// clockwise from straight up. Draws only inside the skirt and its shadow.
void DrawKnob(Bitmap8& picture, double centreX, double centreY, const KnobShape& shape,
              double angleDegrees);

// A thumbwheel seen edge on inside its slot: the box is the slot.
void DrawThumbwheel(Bitmap8& picture, int x, int y, int width, int height);

void DrawScrew(Bitmap8& picture, double centreX, double centreY);
