// The assembled unit and the PNG previews.
#include "preview.h"

#include "draw.h"
#include "layout.h"
#include "png_write.h"
#include "segments.h"

#include <string_view>

namespace {

const Bitmap8& Find(const std::vector<Picture>& pictures, int number) {
    for (const Picture& picture : pictures)
        if (picture.Number == number)
            return picture.Image;
    static const Bitmap8 none;
    return none;
}

class Composer {
  public:
    Composer(const std::vector<Picture>& pictures)
        : Pictures(pictures), Unit(Find(pictures, 4096)) {}

    void Icon(int base, int k, int x, int y) {
        CopyPicture(Unit, Find(Pictures, base + 3 * k), x, y, true);
    }
    void Frame(int strip, int frameHeight, int k, int x, int y) {
        CopyPicture(Unit, CropRows(Find(Pictures, strip), k * frameHeight, frameHeight), x, y,
                    false);
    }
    Bitmap8 Result() const { return Unit; }

  private:
    const std::vector<Picture>& Pictures;
    Bitmap8 Unit;
};

UnitLook SampleLook() {
    return {
        {1, 2, 3, 4, 5},
        {6, 7, 8, 9, 0, 1},
        1,
        2,
        3,
        1,
        1,
        1,
        3,
        true,
        false,
        true,
        true,
        {true, false, false, true, true, false, true, false},
    };
}

UnitLook DarkLook() {
    return {{DigitBlank, DigitBlank, DigitBlank, DigitBlank, DigitBlank},
            {DigitBlank, DigitBlank, DigitBlank, DigitBlank, DigitBlank, DigitBlank},
            DigitBlank,
            DigitBlank,
            0,
            2,
            2,
            0,
            4,
            false,
            false,
            false,
            false,
            {}};
}

} // namespace

Bitmap8 ComposeUnit(const std::vector<Picture>& pictures, const UnitLook& look) {
    Composer unit(pictures);
    unit.Icon(10240, look.EastWest, EastWestX, LettersY);
    unit.Icon(9984, look.NorthSouth, NorthSouthX, LettersY);
    unit.Icon(9728, look.ModeKnob, ModeKnobX, ModeKnobY);
    unit.Icon(9472, look.DataKnob, DataKnobX, DataKnobY);
    unit.Icon(10496, look.Insert, InsertButton.X, InsertButton.Y);
    unit.Icon(12288, look.TrackChange, TrackChangeButton.X, TrackChangeButton.Y);
    unit.Icon(12800, look.Hold, HoldButton.X, HoldButton.Y);
    unit.Icon(13568, look.Alert, AlertLamp.X, AlertLamp.Y);
    unit.Icon(13056, look.Dots[0], Dots[0].X, Dots[0].Y);
    unit.Frame(9216, DigitFrameHeight, look.ToDigit, ToDigitX, FromToDigitY);
    unit.Frame(8960, DigitFrameHeight, look.FromDigit, FromDigitX, FromToDigitY);
    unit.Frame(8704, WheelFrameHeight, look.WptDigit, WptDigit.X, WptDigit.Y);
    for (int k = 0; k < 6; ++k)
        unit.Frame(5632, DigitFrameHeight, look.RightDigits[k], RightDigitX[k], DisplayDigitY);
    for (int k = 0; k < 5; ++k)
        unit.Frame(5632, DigitFrameHeight, look.LeftDigits[k], LeftDigitX[k], DisplayDigitY);
    for (int k = 1; k < 8; ++k)
        unit.Icon(13056, look.Dots[k], Dots[k].X, Dots[k].Y);
    return unit.Result();
}

bool WritePreview(const std::string& folder, const std::vector<Picture>& pictures,
                  std::string& error) {
    auto write = [&](const std::string& name, const Bitmap8& picture, int zoom) {
        if (WritePng(folder + "/" + name, picture, zoom))
            return true;
        error = "cannot write " + folder + "/" + name;
        return false;
    };
    for (const Picture& picture : pictures) {
        std::string name = PictureFileName(picture);
        name.replace(name.size() - 4, 4, ".png");
        if (!write(name, picture.Image, 1))
            return false;
        // Small pictures are also written enlarged, so that single pixels can be judged.
        name.replace(name.size() - 4, 4, "-x4.png");
        if (picture.Image.Width <= 80 && !write(name, picture.Image, 4))
            return false;
    }
    const Bitmap8 sample = ComposeUnit(pictures, SampleLook());
    return write("unit.png", sample, 1) && write("unit-x3.png", sample, 3) &&
           write("unit-dark.png", ComposeUnit(pictures, DarkLook()), 1);
}
