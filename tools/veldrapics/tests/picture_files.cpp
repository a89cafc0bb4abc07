// Test helpers: loading the committed pictures, pixel colours, temporary folders.
#include "picture_files.h"

#include <gtest/gtest.h>

#include <map>
#include <unistd.h>

namespace {

std::filesystem::path FindCommittedFile(int number) {
    const std::string prefix = std::to_string(number) + "-";
    for (const auto& entry : std::filesystem::directory_iterator(VELDRA_PICTURES_DIR)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(prefix) && entry.path().extension() == ".bmp")
            return entry.path();
    }
    return {};
}

Bitmap8 Load(int number) {
    const std::filesystem::path path = FindCommittedFile(number);
    std::vector<uint8_t> bytes;
    Bitmap8 picture;
    if (path.empty() || !ReadFile(path.string(), bytes) ||
        !DecodeBmp(bytes.data(), bytes.size(), picture))
        ADD_FAILURE() << "no readable picture " << number << " in " << VELDRA_PICTURES_DIR;
    return picture;
}

} // namespace

const Bitmap8& Committed(int number) {
    static std::map<int, Bitmap8> loaded;
    auto found = loaded.find(number);
    if (found == loaded.end())
        found = loaded.emplace(number, Load(number)).first;
    return found->second;
}

Rgb ColourAt(const Bitmap8& picture, int x, int y) {
    if (x < 0 || y < 0 || x >= picture.Width || y >= picture.Height)
        return {-1, -1, -1}; // outside: matches no colour a test asks for
    const PaletteColour colour = picture.Palette[picture.At(x, y)];
    return {colour.Red, colour.Green, colour.Blue};
}

bool IsGreen(Rgb colour) {
    return colour.Green >= 150 && colour.Green > colour.Red + 60 && colour.Green > colour.Blue + 40;
}

TempFolder::TempFolder(const std::string& name)
    : Folder(std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(Folder);
    std::filesystem::create_directories(Folder);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(Folder, ignored);
}
