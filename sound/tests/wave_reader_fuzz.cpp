// Fuzz target of the WAV reader. Built with libFuzzer it takes libFuzzer's inputs; built as a
// plain program it runs a fixed series of mutations of a few valid files through every RIFF back
// end, and fails on a crash, a leak, a file left open or an output left set after a failure.
#include "sound_memory.h"
#include "test_allocator.h"
#include "wave_fixtures.h"
#include "wave_reader.h"

#include <cstdio>
#include <cstdlib>

namespace {

const char* const InputPath = "fuzz_input.wav";

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "wave_reader_fuzz: %s\n", what);
        std::abort();
    }
}

void RunOne(const uint8_t* data, size_t size) {
    FILE* out = std::fopen(InputPath, "wb");
    Check(out != nullptr, "cannot write the input file");
    if (size > 0) {
        std::fwrite(data, 1, size, out);
    }
    std::fclose(out);

    InstallTestAllocator();
    uint32_t bytes = 0;
    WaveFormat* format = nullptr;
    uint8_t* samples = nullptr;
    const int32_t code = LoadWaveFile(InputPath, &bytes, &format, &samples);
    if (code == 0) {
        Check(format && samples, "success without both blocks");
        Check(bytes <= size, "more data than the file holds");
        volatile uint8_t touch = 0;
        for (uint32_t i = 0; i < bytes; ++i) {
            touch = touch ^ samples[i];
        }
        for (uint16_t i = 0; i < format->ExtraSize; ++i) {
            touch = touch ^ ExtraFormatBytes(format)[i];
        }
        SoundFree(format);
        SoundFree(samples);
    } else {
        Check(!format && !samples && bytes == 0, "outputs left set after a failure");
    }
    const int32_t pcm = IsPcmWaveFile(InputPath);
    Check(pcm == 0 || pcm == 1, "IsPcmWaveFile gave neither 0 nor 1");
    Check(TestAllocator().LiveBlocks == 0, "a block stayed allocated");
    Check(CurrentRiffIo()->OpenFiles() == 0, "a file stayed open");
    UninstallTestAllocator();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    RunOne(data, size);
    return 0;
}

#ifndef VELDRA_LIBFUZZER
namespace {

uint32_t state = 12345;
uint32_t Random(uint32_t below) {
    state = state * 1103515245u + 12345u;
    return (state >> 8) % below;
}

std::vector<Bytes> Seeds() {
    const Bytes data(40, 0x80);
    return {
        Riff("WAVE", {PcmFormat(1, 8000, 8), Chunk("data", data)}),
        Riff("WAVE", {Chunk("data", data), Chunk("junk", {1, 2, 3}), PcmFormat(2, 44100, 16)}),
        Riff("WAVE",
             {Chunk("fmt ", FormatBody(2, 1, 8000, 4, {4, 0, 1, 2, 3, 4})), Chunk("data", data)}),
    };
}

// One to four changes: bytes overwritten (often inside a size field), cut, or grown.
Bytes Mutate(Bytes input) {
    const uint32_t changes = 1 + Random(4);
    for (uint32_t i = 0; i < changes && !input.empty(); ++i) {
        const size_t at = Random(uint32_t(input.size()));
        switch (Random(5)) {
        case 0:
            input[at] = uint8_t(Random(256));
            break;
        case 1:
            input[at] ^= uint8_t(1u << Random(8));
            break;
        case 2: // a size field made huge, odd or zero
            input[at] = (const uint8_t[]){0xFF, 0x01, 0x00, 0x7F}[Random(4)];
            break;
        case 3:
            input.resize(at);
            break;
        default:
            input.insert(input.begin() + std::ptrdiff_t(at), Random(8) + 1, uint8_t(Random(256)));
            break;
        }
    }
    return input;
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 3000;
    const std::vector<Bytes> seeds = Seeds();
    for (const RiffIoOps* const* backend = RiffIoBackends(); *backend; ++backend) {
        SetRiffIo(*backend);
        for (const Bytes& seed : seeds) {
            RunOne(seed.data(), seed.size());
        }
        for (int round = 0; round < rounds; ++round) {
            const Bytes input = Mutate(seeds[Random(uint32_t(seeds.size()))]);
            RunOne(input.data(), input.size());
        }
        std::printf("wave_reader_fuzz: %d inputs through the %s back end\n", rounds,
                    (*backend)->Name);
    }
    SetRiffIo(nullptr);
    std::remove(InputPath);
    return 0;
}
#endif
