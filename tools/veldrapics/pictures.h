// Every VELDRA picture by resource number, and the files the generator writes for them.
#pragma once

#include "bitmap8.h"

#include <string>
#include <vector>

struct Picture {
    int Number;       // resource number
    std::string Name; // lower-case words joined by '-', for the file name
    Bitmap8 Image;
};

Bitmap8 DrawBackground();

// All pictures of the unit, in resource-number order.
std::vector<Picture> MakeVeldraPictures();

// "<number>-<name>.bmp"
std::string PictureFileName(const Picture& picture);

// The text of pictures.cmake: VELDRA_BITMAPS as `<number> <path>` pairs beside the file.
std::string PicturesCmakeText(const std::vector<Picture>& pictures);

// Writes every picture as a BMP file and pictures.cmake into `folder` (which must exist).
// Returns false, with a message in `error`, when a file cannot be written.
bool WritePictureFiles(const std::string& folder, const std::vector<Picture>& pictures,
                       std::string& error);
