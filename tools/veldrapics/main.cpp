// veldrapics: draws every VELDRA bitmap into a folder, and on request PNG previews.
#include "pictures.h"
#include "preview.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    CLI::App app{"Draws the VELDRA unit's bitmaps as 8-bit palette BMP files."};
    std::string outputFolder;
    std::string previewFolder;
    app.add_option("folder", outputFolder, "where the BMP files and pictures.cmake go")->required();
    app.add_option("--preview", previewFolder, "also write PNG previews into this folder");
    CLI11_PARSE(app, argc, argv);

    std::error_code ignored;
    std::filesystem::create_directories(outputFolder, ignored);
    const std::vector<Picture> pictures = MakeVeldraPictures();
    std::string error;
    if (!WritePictureFiles(outputFolder, pictures, error)) {
        std::cerr << "veldrapics: " << error << "\n";
        return 1;
    }
    if (!previewFolder.empty()) {
        std::filesystem::create_directories(previewFolder, ignored);
        if (!WritePreview(previewFolder, pictures, error)) {
            std::cerr << "veldrapics: " << error << "\n";
            return 1;
        }
    }
    return 0;
}
