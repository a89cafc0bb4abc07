// The list of VELDRA pictures: each control's dark and lit forms, the strips and the knobs.
#include "pictures.h"

#include "controls.h"
#include "layout.h"
#include "palette.h"
#include "segments.h"

#include <algorithm>

namespace {

constexpr const char* DataKnobNames[8] = {"tk-gs", "hdg-da",   "xtk-tke", "pos",
                                          "wpt",   "dis-time", "wind",    "dsr-tk-sts"};
constexpr const char* ModeKnobNames[3] = {"man", "auto", "rmt"};

// 9475, 9478, 9484 and 9493 are one pixel smaller; the knob keeps its centre so it does not
// wobble between positions.
int DataKnobSize(int position) {
    return position == 1 || position == 2 || position == 4 || position == 7 ? 79 : 80;
}

Bitmap8 DrawDataKnob(int position) {
    const int size = DataKnobSize(position);
    Bitmap8 picture = MakePicture(size, size, ink::Black);
    DrawKnob(picture, DataKnobBox / 2.0, DataKnobBox / 2.0, {29, 19, 6, 27.5, 1.5},
             DataKnobAngles[position]);
    return picture;
}

Bitmap8 DrawModeKnob(int position) {
    Bitmap8 picture = MakePicture(ModeKnobBox, ModeKnobBox, ink::Black);
    DrawKnob(picture, ModeKnobBox / 2.0, ModeKnobBox / 2.0, {15, 10, 2.5, 14, 1.2},
             ModeKnobAngles[position]);
    return picture;
}

Bitmap8 DrawLitButton(const Box& box, const char* caption, Face face) {
    Bitmap8 picture = MakePicture(box.Width, box.Height, ink::Black);
    DrawButton(picture, 0, 0, box.Width, box.Height, caption, face);
    return picture;
}

Bitmap8 DrawLitDot() {
    Bitmap8 picture = MakePicture(5, 5, ink::SegmentEdge);
    picture.FillRect(1, 1, 3, 3, ink::SegmentOn);
    for (int x : {0, 4})
        for (int y : {0, 4})
            picture.Set(x, y, ink::Black);
    return picture;
}

// A control's two pictures: all black (so the background shows) and lit.
void AddDarkAndLit(std::vector<Picture>& pictures, int number, const std::string& name,
                   Bitmap8 lit) {
    pictures.push_back({number, name + "-dark", MakePicture(lit.Width, lit.Height, ink::Black)});
    pictures.push_back({number + 3, name + "-lit", std::move(lit)});
}

void AddStrip(std::vector<Picture>& pictures, int number, const std::string& name,
              const Bitmap8& strip, int frameWidth, int frameHeight) {
    pictures.push_back({number, name, strip});
    pictures.push_back({number + 3, name + "-mask", DrawStripMask(frameWidth, frameHeight)});
}

} // namespace

std::vector<Picture> MakeVeldraPictures() {
    std::vector<Picture> pictures;
    pictures.push_back({4096, "background", DrawBackground()});

    const Bitmap8 digits = DrawDigitStrip();
    AddStrip(pictures, 5632, "display-digits", digits, DigitFrameWidth, DigitFrameHeight);
    AddStrip(pictures, 8960, "from-digit", digits, DigitFrameWidth, DigitFrameHeight);
    AddStrip(pictures, 9216, "to-digit", digits, DigitFrameWidth, DigitFrameHeight);
    AddStrip(pictures, 8704, "wpt-digit", DrawWheelStrip(), WheelFrameWidth, WheelFrameHeight);

    for (int k = 0; k < 8; ++k)
        pictures.push_back(
            {9472 + 3 * k, std::string("data-knob-") + DataKnobNames[k], DrawDataKnob(k)});
    for (int k = 0; k < 3; ++k)
        pictures.push_back(
            {9728 + 3 * k, std::string("mode-knob-") + ModeKnobNames[k], DrawModeKnob(k)});

    pictures.push_back({9984, "ns-s-lit", DrawLetterPair('N', false, 'S', true)});
    pictures.push_back({9987, "ns-n-lit", DrawLetterPair('N', true, 'S', false)});
    pictures.push_back({9990, "ns-unlit", DrawLetterPair('N', false, 'S', false)});
    pictures.push_back({10240, "ew-w-lit", DrawLetterPair('E', false, 'W', true)});
    pictures.push_back({10243, "ew-e-lit", DrawLetterPair('E', true, 'W', false)});
    // The unit's "neither" picture of the E/W pair is the unlit N/S pair.
    pictures.push_back({10246, "ew-unlit", DrawLetterPair('N', false, 'S', false)});

    AddDarkAndLit(pictures, 10496, "insert", DrawLitButton(InsertButton, "INSERT", Face::Lit));
    AddDarkAndLit(pictures, 12288, "tk-chg", DrawLitButton(TrackChangeButton, "TK CHG", Face::Lit));
    AddDarkAndLit(pictures, 12800, "hold", DrawLitButton(HoldButton, "HOLD", Face::Lit));
    AddDarkAndLit(pictures, 13056, "dot", DrawLitDot());
    AddDarkAndLit(pictures, 13568, "alert", DrawLitButton(AlertLamp, "ALERT", Face::LampLit));

    std::sort(pictures.begin(), pictures.end(),
              [](const Picture& a, const Picture& b) { return a.Number < b.Number; });
    return pictures;
}
