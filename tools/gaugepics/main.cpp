// gaugepics: draws every bitmap of the Ball and skytape gauges as 8-bit palette BMP files.
#include "gauge_pictures.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    CLI::App app{"Draws the Ball and skytape gauge pictures as 8-bit palette BMP files.\n"
                 "Ball: 4096_field.bmp, 4352_ball.bmp. skytape: 4096_window.bmp, "
                 "8192_scale.bmp, 8195_mask.bmp.\n"
                 "Usual call from the repository root: gaugepics ball/pictures skytape/pictures",
                 "gaugepics"};
    std::string ballFolder;
    std::string skytapeFolder;
    app.add_option("BALL_DIR", ballFolder, "folder for the Ball pictures (created if missing)")
        ->required();
    app.add_option("SKYTAPE_DIR", skytapeFolder,
                   "folder for the skytape pictures (created if missing)")
        ->required();
    CLI11_PARSE(app, argc, argv);

    std::error_code failure;
    for (const std::string& folder : {ballFolder, skytapeFolder}) {
        std::filesystem::create_directories(folder, failure);
        if (failure) {
            std::fprintf(stderr, "gaugepics: cannot create %s: %s\n", folder.c_str(),
                         failure.message().c_str());
            return 1;
        }
    }
    std::string error;
    if (!gaugepics::WriteGaugePictures(ballFolder, skytapeFolder, error)) {
        std::fprintf(stderr, "gaugepics: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
