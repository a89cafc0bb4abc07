// Writing the pictures as BMP files with the CMake list that hands them to the module build.
#include "pictures.h"

std::string PictureFileName(const Picture& picture) {
    return std::to_string(picture.Number) + "-" + picture.Name + ".bmp";
}

std::string PicturesCmakeText(const std::vector<Picture>& pictures) {
    std::string text = "# Written by veldrapics: the VELDRA bitmaps as <resource number> <file>"
                       " pairs\n# for add_gauge_module's BITMAPS argument.\nset(VELDRA_BITMAPS\n";
    for (const Picture& picture : pictures)
        text += "    " + std::to_string(picture.Number) + " ${CMAKE_CURRENT_LIST_DIR}/" +
                PictureFileName(picture) + "\n";
    text += ")\n";
    return text;
}

bool WritePictureFiles(const std::string& folder, const std::vector<Picture>& pictures,
                       std::string& error) {
    for (const Picture& picture : pictures) {
        const std::string path = folder + "/" + PictureFileName(picture);
        if (!WriteFile(path, EncodeBmp(picture.Image))) {
            error = "cannot write " + path;
            return false;
        }
    }
    const std::string cmakeText = PicturesCmakeText(pictures);
    const std::string cmakePath = folder + "/pictures.cmake";
    if (!WriteFile(cmakePath, std::vector<uint8_t>(cmakeText.begin(), cmakeText.end()))) {
        error = "cannot write " + cmakePath;
        return false;
    }
    return true;
}
