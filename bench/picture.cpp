// Conversion of 8-bit palette pictures into RGBA rows with precomputed runs.
#include "picture.h"

namespace bench {

namespace {

bool IsPureBlack(PaletteColour colour) {
    return colour.Red == 0 && colour.Green == 0 && colour.Blue == 0;
}

} // namespace

RgbaPicture ConvertPicture(const Bitmap8& source, bool blackSeeThrough) {
    RgbaPicture picture;
    picture.Width = source.Width;
    picture.Height = source.Height;
    picture.Pixels.resize(static_cast<size_t>(source.Width) * source.Height);
    picture.RowRuns.reserve(static_cast<size_t>(source.Height) + 1);
    for (int y = 0; y < source.Height; ++y) {
        picture.RowRuns.push_back(static_cast<uint32_t>(picture.Runs.size()));
        uint32_t* row = picture.Pixels.data() + static_cast<size_t>(y) * source.Width;
        int runStart = -1;
        for (int x = 0; x <= source.Width; ++x) {
            bool opaque = false;
            if (x < source.Width) {
                const PaletteColour colour = source.Palette[source.At(x, y)];
                opaque = !(blackSeeThrough && IsPureBlack(colour));
                row[x] = PackRgba(colour.Red, colour.Green, colour.Blue, opaque ? 255 : 0);
            }
            if (opaque && runStart < 0)
                runStart = x;
            if (!opaque && runStart >= 0) {
                picture.Runs.push_back({runStart, x - runStart});
                runStart = -1;
            }
        }
    }
    picture.RowRuns.push_back(static_cast<uint32_t>(picture.Runs.size()));
    return picture;
}

MaskAction ClassifyMaskColour(PaletteColour colour) {
    if (IsPureBlack(colour))
        return MaskAction::Hide;
    if (colour.Red <= NearBlackLimit && colour.Green <= NearBlackLimit &&
        colour.Blue <= NearBlackLimit)
        return MaskAction::ShowStrip;
    return MaskAction::DrawOver;
}

MaskPicture ConvertMask(const Bitmap8& source) {
    MaskPicture mask;
    mask.Width = source.Width;
    mask.Height = source.Height;
    mask.Pixels.resize(static_cast<size_t>(source.Width) * source.Height);
    mask.RowRuns.reserve(static_cast<size_t>(source.Height) + 1);
    for (int y = 0; y < source.Height; ++y) {
        mask.RowRuns.push_back(static_cast<uint32_t>(mask.Runs.size()));
        uint32_t* row = mask.Pixels.data() + static_cast<size_t>(y) * source.Width;
        MaskRun current{0, 0, MaskAction::Hide};
        for (int x = 0; x <= source.Width; ++x) {
            MaskAction action = MaskAction::Hide;
            if (x < source.Width) {
                const PaletteColour colour = source.Palette[source.At(x, y)];
                action = ClassifyMaskColour(colour);
                row[x] = PackRgba(colour.Red, colour.Green, colour.Blue);
            }
            if (action == current.Action)
                continue;
            if (current.Action != MaskAction::Hide) {
                current.Length = x - current.Start;
                mask.Runs.push_back(current);
            }
            current = {x, 0, action};
        }
    }
    mask.RowRuns.push_back(static_cast<uint32_t>(mask.Runs.size()));
    return mask;
}

} // namespace bench
