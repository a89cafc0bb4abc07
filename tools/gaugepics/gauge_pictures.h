// Every bitmap of the Ball and skytape gauges: how each is drawn and the file it is kept in.
#pragma once

#include "bitmap8.h"

#include <span>
#include <string>

namespace gaugepics {

// Ball: the black field and the ball, a light disc centred on column 7, row 7.
Bitmap8 DrawBallField();
Bitmap8 DrawBallDisc();

// skytape: the black window, the heading scale strip and the window's mask with its index.
Bitmap8 DrawTapeWindow();
Bitmap8 DrawHeadingScale();
Bitmap8 DrawTapeMask();

// The heading scale's graduations: mark k (0 to 80) stands for HeadingOfMark(k) degrees,
// from -20 (340) through 0 to 380 (20 past north).
inline constexpr int ScaleMarkCount = 81;
inline constexpr int ScaleMarkWidth = 2;
int MarkColumn(int mark); // its left column
int HeadingOfMark(int mark);
int MarkTopRow(int heading); // marks end on the strip's bottom row

struct PictureFile {
    int Resource;
    const char* FileName; // inside the gauge's picture folder
    Bitmap8 (*Draw)();
};

std::span<const PictureFile> BallPictures();
std::span<const PictureFile> SkytapePictures();

// Writes every picture of each gauge as a BMP file into its folder (which must exist).
// Returns false with `error` naming the file on the first failure.
bool WriteGaugePictures(const std::string& ballFolder, const std::string& skytapeFolder,
                        std::string& error);

} // namespace gaugepics
