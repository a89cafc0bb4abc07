// Writes the probe module's pictures into the folder given as its argument (run by hand; the
// BMP files are committed beside this file).
#include "bitmap8.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_probe_pictures FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    // 4096: the 40 x 20 background, dark blue.
    Bitmap8 background(40, 20, 1);
    background.Palette[1] = {0, 0, 96};
    // 4100, 4103, 4106, 4109: 8 x 8 icons for "no click yet", area 1, area 2 and area 3: black
    // (see-through), red, green and yellow.
    const PaletteColour colours[] = {{0, 0, 0}, {220, 20, 20}, {20, 220, 20}, {220, 220, 20}};
    bool written = WriteFile(folder + "/4096_background.bmp", EncodeBmp(background));
    for (int k = 0; k < 4; ++k) {
        Bitmap8 icon(8, 8, 1);
        icon.Palette[1] = colours[k];
        written = written && WriteFile(folder + "/" + std::to_string(4100 + 3 * k) + "_hit" +
                                           std::to_string(k) + ".bmp",
                                       EncodeBmp(icon));
    }
    return written ? 0 : 1;
}
