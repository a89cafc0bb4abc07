// Module bitmaps on Windows: numbered BITMAP resources, which hold a BMP without its file header.
#include "module_bitmaps.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace {

void Put32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t Get32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// Puts the 14-byte file header back in front, so that the ordinary BMP reader can decode it.
bool DecodeResource(const uint8_t* info, size_t size, Bitmap8& picture) {
    if (size < 40)
        return false;
    uint32_t colours = Get32(info + 32);
    if (colours == 0 || colours > 256)
        colours = 256;
    std::vector<uint8_t> file(14 + size);
    file[0] = 'B';
    file[1] = 'M';
    Put32(file, 2, static_cast<uint32_t>(file.size()));
    Put32(file, 10, 14 + Get32(info) + 4 * colours);
    std::copy(info, info + size, file.begin() + 14);
    return DecodeBmp(file.data(), file.size(), picture);
}

} // namespace

bool LoadModuleBitmap(const std::string& path, int number, Bitmap8& picture) {
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr)
        return false;
    bool found = false;
    if (HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(number), MAKEINTRESOURCEA(2))) {
        HGLOBAL loaded = LoadResource(module, resource);
        const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
        if (bytes != nullptr)
            found = DecodeResource(static_cast<const uint8_t*>(bytes),
                                   SizeofResource(module, resource), picture);
    }
    FreeLibrary(module);
    return found;
}
