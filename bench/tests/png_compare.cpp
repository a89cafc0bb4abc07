// bench_png_compare: exits 0 when two PNG files hold the same RGBA pixels, else names the first
// differences. PNG bytes may differ between encoders; the pixels may not.
#include "png_file.h"

#include <cstdio>

namespace {

int CountDifferences(const bench::Frame& actual, const bench::Frame& expected) {
    int count = 0;
    for (int y = 0; y < actual.Height; ++y)
        for (int x = 0; x < actual.Width; ++x) {
            const uint32_t a = actual.At(x, y);
            const uint32_t e = expected.At(x, y);
            if (a == e)
                continue;
            if (count++ < 10)
                std::printf("pixel (%d, %d) is %08x, expected %08x\n", x, y,
                            static_cast<unsigned>(a), static_cast<unsigned>(e));
        }
    return count;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_png_compare <actual.png> <expected.png>\n");
        return 2;
    }
    bench::Frame actual, expected;
    if (!bench::ReadPng(argv[1], actual) || !bench::ReadPng(argv[2], expected)) {
        std::fprintf(stderr, "bench_png_compare: cannot read %s or %s\n", argv[1], argv[2]);
        return 2;
    }
    if (actual.Width != expected.Width || actual.Height != expected.Height) {
        std::printf("size %dx%d, expected %dx%d\n", actual.Width, actual.Height, expected.Width,
                    expected.Height);
        return 1;
    }
    const int count = CountDifferences(actual, expected);
    if (count > 0) {
        std::printf("%d pixels differ\n", count);
        return 1;
    }
    return 0;
}
