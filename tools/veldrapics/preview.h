// Previews for a person to judge the artwork: every picture as PNG and the assembled unit.
#pragma once

#include "pictures.h"

#include <string>
#include <vector>

// What the assembled preview shows: a picture number of each element's set.
struct UnitLook {
    int LeftDigits[5];
    int RightDigits[6];
    int FromDigit, ToDigit, WptDigit;
    int NorthSouth, EastWest;
    int ModeKnob, DataKnob;
    bool Insert, TrackChange, Hold, Alert;
    bool Dots[8];
};

// The background with every element drawn over it in the order of the element tree, as the
// host draws them: icons with pure black see-through, strip frames whole.
Bitmap8 ComposeUnit(const std::vector<Picture>& pictures, const UnitLook& look);

// Writes <number>-<name>.png for every picture (small ones also enlarged, -x4.png), unit.png (a
// sample look) at 1:1 and unit-x3.png enlarged, and unit-dark.png with everything unlit.
bool WritePreview(const std::string& folder, const std::vector<Picture>& pictures,
                  std::string& error);
