// 8-bit palette pictures and their BMP encoding.
#include "bitmap8.h"

#include <fstream>
#include <iterator>

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

uint32_t Get16(const uint8_t* p) {
    return p[0] | (p[1] << 8);
}
uint32_t Get32(const uint8_t* p) {
    return Get16(p) | (Get16(p + 2) << 16);
}

constexpr uint32_t FileHeaderSize = 14;
constexpr uint32_t InfoHeaderSize = 40;
constexpr uint32_t PaletteSize = 256 * 4;

size_t RowStride(int width) {
    return (static_cast<size_t>(width) + 3) & ~size_t{3};
}

} // namespace

Bitmap8::Bitmap8(int width, int height, uint8_t fill)
    : Width(width), Height(height), Pixels(static_cast<size_t>(width) * height, fill) {}

void Bitmap8::Set(int x, int y, uint8_t index) {
    if (x < 0 || y < 0 || x >= Width || y >= Height)
        return;
    Pixels[static_cast<size_t>(y) * Width + x] = index;
}

void Bitmap8::FillRect(int x, int y, int width, int height, uint8_t index) {
    for (int row = y; row < y + height; ++row)
        for (int column = x; column < x + width; ++column)
            Set(column, row, index);
}

std::vector<uint8_t> EncodeBmp(const Bitmap8& picture) {
    const size_t stride = RowStride(picture.Width);
    const uint32_t pixelOffset = FileHeaderSize + InfoHeaderSize + PaletteSize;
    const uint32_t imageSize = static_cast<uint32_t>(stride * picture.Height);
    std::vector<uint8_t> out;
    out.reserve(pixelOffset + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, pixelOffset + imageSize);
    Put32(out, 0);
    Put32(out, pixelOffset);
    Put32(out, InfoHeaderSize);
    Put32(out, static_cast<uint32_t>(picture.Width));
    Put32(out, static_cast<uint32_t>(picture.Height)); // positive: bottom-up rows
    Put16(out, 1);                                     // planes
    Put16(out, 8);                                     // bits per pixel
    Put32(out, 0);                                     // no compression
    Put32(out, imageSize);
    Put32(out, 2835); // 72 dpi
    Put32(out, 2835);
    Put32(out, 256);
    Put32(out, 0);
    for (const PaletteColour& colour : picture.Palette) {
        out.push_back(colour.Blue);
        out.push_back(colour.Green);
        out.push_back(colour.Red);
        out.push_back(0);
    }
    for (int y = picture.Height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.Width; ++x)
            out.push_back(picture.At(x, y));
        for (size_t pad = picture.Width; pad < stride; ++pad)
            out.push_back(0);
    }
    return out;
}

bool DecodeBmp(const uint8_t* bytes, size_t size, Bitmap8& picture) {
    if (bytes == nullptr || size < FileHeaderSize + InfoHeaderSize || bytes[0] != 'B' ||
        bytes[1] != 'M')
        return false;
    const uint32_t pixelOffset = Get32(bytes + 10);
    const uint8_t* info = bytes + FileHeaderSize;
    const uint32_t infoSize = Get32(info);
    const int32_t width = static_cast<int32_t>(Get32(info + 4));
    const int32_t rawHeight = static_cast<int32_t>(Get32(info + 8));
    if (infoSize < InfoHeaderSize || Get16(info + 12) != 1 || Get16(info + 14) != 8 ||
        Get32(info + 16) != 0)
        return false;
    if (width <= 0 || width > 65536 || rawHeight == 0 || rawHeight < -65536 || rawHeight > 65536)
        return false;
    const bool bottomUp = rawHeight > 0;
    const int height = bottomUp ? rawHeight : -rawHeight;
    uint32_t colours = Get32(info + 32);
    if (colours == 0 || colours > 256)
        colours = 256;
    const size_t paletteStart = FileHeaderSize + static_cast<size_t>(infoSize);
    if (paletteStart > size || (size - paletteStart) / 4 < colours)
        return false;
    const size_t stride = RowStride(width);
    if (pixelOffset > size || (size - pixelOffset) / stride < static_cast<size_t>(height))
        return false;

    Bitmap8 decoded(width, height);
    for (uint32_t i = 0; i < colours; ++i) {
        const uint8_t* entry = bytes + paletteStart + 4 * i;
        decoded.Palette[i] = {entry[2], entry[1], entry[0]};
    }
    for (int row = 0; row < height; ++row) {
        const uint8_t* source = bytes + pixelOffset + stride * row;
        const int y = bottomUp ? height - 1 - row : row;
        for (int x = 0; x < width; ++x)
            decoded.Pixels[static_cast<size_t>(y) * width + x] = source[x];
    }
    picture = std::move(decoded);
    return true;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool ReadFile(const std::string& path, std::vector<uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), {});
    return true;
}
