// clickgen OUTPUT.wav: writes the click sound that the INS unit plays on every control.
#include "click_wave.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: clickgen OUTPUT.wav\n");
        return 2;
    }
    const std::vector<uint8_t> file = EncodePcm16Wave(MakeClickSamples(), ClickSampleRate);
    FILE* out = std::fopen(argv[1], "wb");
    if (!out) {
        std::fprintf(stderr, "clickgen: cannot create %s\n", argv[1]);
        return 1;
    }
    const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    if (std::fclose(out) != 0 || !written) {
        std::fprintf(stderr, "clickgen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
