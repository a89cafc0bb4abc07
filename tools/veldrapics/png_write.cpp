// PNG output through stb_image_write (compiled here alone, since its own code is not ours to
// hold to our warning flags).
#include "png_write.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wall"
#pragma GCC diagnostic ignored "-Wextra"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

#include <vector>

bool WritePng(const std::string& path, const Bitmap8& picture, int zoom) {
    if (zoom < 1 || picture.Width <= 0 || picture.Height <= 0)
        return false;
    const int width = picture.Width * zoom, height = picture.Height * zoom;
    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const PaletteColour colour = picture.Palette[picture.At(x / zoom, y / zoom)];
            uint8_t* pixel = &rgb[(static_cast<size_t>(y) * width + x) * 3];
            pixel[0] = colour.Red;
            pixel[1] = colour.Green;
            pixel[2] = colour.Blue;
        }
    return stbi_write_png(path.c_str(), width, height, 3, rgb.data(), width * 3) != 0;
}
