// PNG writing and reading through stb, whose implementations are compiled here once.
#include "png_file.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>

#include <cstring>

namespace bench {

bool WritePng(const std::string& path, const Frame& frame) {
    if (frame.Width <= 0 || frame.Height <= 0)
        return false;
    return stbi_write_png(path.c_str(), frame.Width, frame.Height, 4, frame.Pixels.data(),
                          frame.Width * 4) != 0;
}

bool ReadPng(const std::string& path, Frame& frame) {
    int width = 0, height = 0, channels = 0;
    unsigned char* pixels = stbi_load(path.c_str(), &width, &height, &channels, 4);
    if (pixels == nullptr)
        return false;
    frame.Width = width;
    frame.Height = height;
    frame.Pixels.resize(static_cast<size_t>(width) * height);
    std::memcpy(frame.Pixels.data(), pixels, frame.Pixels.size() * 4);
    stbi_image_free(pixels);
    return true;
}

} // namespace bench
