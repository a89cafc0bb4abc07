// An 8-bit palette picture in memory, and its BMP file form (bottom-up rows, padded to 4 bytes).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct PaletteColour {
    uint8_t Red, Green, Blue;
};

struct Bitmap8 {
    int Width = 0;
    int Height = 0;
    std::array<PaletteColour, 256> Palette{};
    std::vector<uint8_t> Pixels; // row-major, top row first, Width * Height indices

    Bitmap8() = default;
    Bitmap8(int width, int height, uint8_t fill = 0);

    uint8_t At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
    // Writes are clipped to the picture, so drawing code may run past an edge.
    void Set(int x, int y, uint8_t index);
    void FillRect(int x, int y, int width, int height, uint8_t index);
};

// The bytes of a BMP file holding the picture: BITMAPFILEHEADER, BITMAPINFOHEADER (40 bytes),
// a 256-entry palette, rows bottom-up.
std::vector<uint8_t> EncodeBmp(const Bitmap8& picture);

// Parses the BMP form written by EncodeBmp (8 bits per pixel, uncompressed, either row order).
// Returns false and leaves `picture` untouched on any malformed or unsupported input.
bool DecodeBmp(const uint8_t* bytes, size_t size, Bitmap8& picture);

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
bool ReadFile(const std::string& path, std::vector<uint8_t>& bytes);
