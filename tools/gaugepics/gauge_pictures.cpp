// Drawing the Ball and skytape pictures, and writing them as BMP files.
#include "gauge_pictures.h"

#include "gauge_palette.h"
#include "pixel_font.h"

namespace gaugepics {
namespace {

constexpr int BallFieldWidth = 50;
constexpr int BallFieldHeight = 22;
constexpr int BallSize = 15;
constexpr int BallCentre = 7;
// Squared radius: rows 2 to 12 lit, five wide at the top and bottom, eleven across the middle.
constexpr int BallRadiusSquared = 30;

constexpr int TapeWindowWidth = 90;
constexpr int TapeHeight = 26;
constexpr int ScaleWidth = 651;
constexpr int FirstMarkColumn = 5;
constexpr int MarkSpacing = 8; // 5 degrees at 1.6 pixels per degree
constexpr int DegreesPerMark = 5;
constexpr int NorthMark = 4; // columns 37-38
constexpr int LabelTopRow = 2;
constexpr int IndexLeftColumn = 44;
constexpr int IndexWidth = 2;

// One label every 30 degrees from 0 to 360.
constexpr const char* HeadingLabels[] = {"N",  "3",  "6", "E",  "12", "15", "S",
                                         "21", "24", "W", "30", "33", "N"};
constexpr int DegreesPerLabel = 30;

void DrawMark(Bitmap8& scale, int mark) {
    const int top = MarkTopRow(HeadingOfMark(mark));
    scale.FillRect(MarkColumn(mark), top, ScaleMarkWidth, TapeHeight - top, ScaleWhite);
}

// Centred over its mark: the label's middle falls between the mark's two columns.
void DrawMarkLabel(Bitmap8& scale, int mark, const char* text) {
    const int middle = MarkColumn(mark) + ScaleMarkWidth / 2;
    DrawLabel(scale, middle - LabelWidth(text) / 2, LabelTopRow, text, ScaleWhite);
}

const PictureFile BallFiles[] = {
    {4096, "4096_field.bmp", DrawBallField},
    {4352, "4352_ball.bmp", DrawBallDisc},
};

const PictureFile SkytapeFiles[] = {
    {4096, "4096_window.bmp", DrawTapeWindow},
    {8192, "8192_scale.bmp", DrawHeadingScale},
    {8195, "8195_mask.bmp", DrawTapeMask},
};

bool WriteFolder(const std::string& folder, std::span<const PictureFile> files,
                 std::string& error) {
    for (const PictureFile& file : files) {
        const std::string path = folder + "/" + file.FileName;
        if (!WriteFile(path, EncodeBmp(file.Draw()))) {
            error = "cannot write " + path;
            return false;
        }
    }
    return true;
}

} // namespace

Bitmap8 BlankPicture(int width, int height, uint8_t fill) {
    Bitmap8 picture(width, height, fill);
    picture.Palette[Black] = {0, 0, 0};
    picture.Palette[NearBlack] = {1, 1, 1};
    picture.Palette[LightGrey] = {235, 235, 235};
    picture.Palette[ScaleWhite] = {240, 240, 240};
    return picture;
}

Bitmap8 DrawBallField() {
    return BlankPicture(BallFieldWidth, BallFieldHeight);
}

Bitmap8 DrawBallDisc() {
    Bitmap8 ball = BlankPicture(BallSize, BallSize);
    for (int y = 0; y < BallSize; ++y)
        for (int x = 0; x < BallSize; ++x) {
            const int dx = x - BallCentre;
            const int dy = y - BallCentre;
            if (dx * dx + dy * dy <= BallRadiusSquared)
                ball.Set(x, y, LightGrey);
        }
    return ball;
}

Bitmap8 DrawTapeWindow() {
    return BlankPicture(TapeWindowWidth, TapeHeight);
}

int MarkColumn(int mark) {
    return FirstMarkColumn + MarkSpacing * mark;
}

int HeadingOfMark(int mark) {
    return (mark - NorthMark) * DegreesPerMark;
}

// Labelled marks (every 30 degrees) are shorter than the other tens, to leave room above.
int MarkTopRow(int heading) {
    if (heading % 30 == 0)
        return 18;
    if (heading % 10 == 0)
        return 16;
    return 20;
}

Bitmap8 DrawHeadingScale() {
    Bitmap8 scale = BlankPicture(ScaleWidth, TapeHeight);
    for (int mark = 0; mark < ScaleMarkCount; ++mark) {
        DrawMark(scale, mark);
        const int heading = HeadingOfMark(mark);
        const int label = heading / DegreesPerLabel;
        if (heading >= 0 && heading % DegreesPerLabel == 0 && label < std::ssize(HeadingLabels))
            DrawMarkLabel(scale, mark, HeadingLabels[label]);
    }
    return scale;
}

Bitmap8 DrawTapeMask() {
    Bitmap8 mask = BlankPicture(TapeWindowWidth, TapeHeight, NearBlack);
    mask.FillRect(IndexLeftColumn, 0, IndexWidth, TapeHeight, LightGrey);
    return mask;
}

std::span<const PictureFile> BallPictures() {
    return BallFiles;
}

std::span<const PictureFile> SkytapePictures() {
    return SkytapeFiles;
}

bool WriteGaugePictures(const std::string& ballFolder, const std::string& skytapeFolder,
                        std::string& error) {
    return WriteFolder(ballFolder, BallPictures(), error) &&
           WriteFolder(skytapeFolder, SkytapePictures(), error);
}

} // namespace gaugepics
