// The committed picture files are exactly what the generator draws now, and the CMake list
// hands every one of them to the module under its resource number.
#include "picture_files.h"
#include "pictures.h"
#include "preview.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace {

std::set<std::string> FileNames(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

std::vector<uint8_t> Bytes(const std::filesystem::path& path) {
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(ReadFile(path.string(), bytes)) << path;
    return bytes;
}

TEST(CommittedPictures, AreWhatTheGeneratorDrawsByteForByte) {
    TempFolder fresh("veldrapics-regenerated");
    std::string error;
    ASSERT_TRUE(WritePictureFiles(fresh.Path().string(), MakeVeldraPictures(), error)) << error;

    const std::filesystem::path committed = VELDRA_PICTURES_DIR;
    const std::set<std::string> drawn = FileNames(fresh.Path());
    // A stale file left from an earlier set would be missed by a one-way comparison.
    EXPECT_EQ(FileNames(committed), drawn)
        << "cdu/pictures differs from the generator's set: rebuild target veldrapics_update";
    for (const std::string& name : drawn) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(Bytes(fresh.Path() / name) == Bytes(committed / name))
            << "stale picture: rebuild target veldrapics_update and commit cdu/pictures";
    }
}

TEST(CommittedPictures, CmakeListPairsEveryFileWithItsNumber) {
    std::ifstream file(std::string(VELDRA_PICTURES_DIR) + "/pictures.cmake");
    std::stringstream text;
    text << file.rdbuf();
    const std::string body = text.str();
    ASSERT_NE(body.find("set(VELDRA_BITMAPS"), std::string::npos);

    const std::regex pair(R"((\d+) \$\{CMAKE_CURRENT_LIST_DIR\}/(\d+)-[a-z0-9-]+\.bmp)");
    std::set<int> numbers;
    for (std::sregex_iterator it(body.begin(), body.end(), pair), end; it != end; ++it) {
        const std::smatch& match = *it;
        EXPECT_EQ(match[1].str(), match[2].str()) << "file listed under another number";
        const std::string name = match.str().substr(match.str().find('/') + 1);
        EXPECT_TRUE(std::filesystem::exists(std::string(VELDRA_PICTURES_DIR) + "/" + name)) << name;
        EXPECT_TRUE(numbers.insert(std::stoi(match[1].str())).second) << "twice: " << match[1];
    }
    EXPECT_EQ(numbers.size(), 36u);
}

TEST(Preview, WritesEveryPictureAndTheAssembledUnit) {
    TempFolder folder("veldrapics-preview");
    const std::vector<Picture> pictures = MakeVeldraPictures();
    std::string error;
    ASSERT_TRUE(WritePreview(folder.Path().string(), pictures, error)) << error;
    for (const char* name : {"unit.png", "unit-x3.png", "unit-dark.png", "4096-background.png",
                             "9472-data-knob-tk-gs-x4.png"}) {
        SCOPED_TRACE(name);
        EXPECT_GT(std::filesystem::file_size(folder.Path() / name), 100u);
    }
}

TEST(Preview, AssembledUnitShowsLitPicturesAtTheirElements) {
    const std::vector<Picture> pictures = MakeVeldraPictures();
    UnitLook look{
        {8, 8, 8, 8, 8}, {8, 8, 8, 8, 8, 8}, 8, 8, 0, 2, 2, 0, 4, true, false, false, false, {}};
    const Bitmap8 unit = ComposeUnit(pictures, look);
    // The middle segment of left digit 1 and the centre of the lit INSERT face.
    EXPECT_TRUE(IsGreen(ColourAt(unit, 40 + 12, 17 + 18)));
    EXPECT_GT(ColourAt(unit, 128 + 25, 177 + 8).Brightness(), 180);
}

} // namespace
