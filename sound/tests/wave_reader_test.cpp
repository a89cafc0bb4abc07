// The WAV reader on every RIFF back end of the platform: a table of fixture files with their
// expected codes and blocks, and the allocation, partial-read and path cases.
#include "sound_memory.h"
#include "test_allocator.h"
#include "wave_fixtures.h"
#include "wave_reader.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

const Bytes Samples5{10, 20, 30, 40, 50};
const Bytes Samples8{1, 0, 2, 0, 0xFF, 0x7F, 0x00, 0x80};

struct WaveCase {
    const char* Name;
    Bytes File; // empty: no file at all
    int32_t Code;
    uint16_t Tag = 0;
    uint16_t BitsPerSample = 0;
    Bytes Extra = {};
    Bytes Data = {};
};

// The table prints as its case names.
void PrintTo(const WaveCase& c, std::ostream* out) {
    *out << c.Name;
}

Bytes FirstBytes(const Bytes& bytes, size_t count) {
    return Bytes(bytes.begin(), bytes.begin() + count);
}

std::vector<WaveCase> WaveCases() {
    const Bytes pcm8 = PcmFormat(1, 11025, 8);
    const Bytes samples5 = Chunk("data", Samples5);
    return {
        {"Pcm8Bit", Riff("WAVE", {pcm8, samples5}), 0, 1, 8, {}, Samples5},
        {"Pcm16BitStereo",
         Riff("WAVE", {PcmFormat(2, 44100, 16), Chunk("data", Samples8)}),
         0,
         1,
         16,
         {},
         Samples8},
        {"PcmFormatOf18BytesSkipsItsExtraSize",
         Riff("WAVE",
              {Chunk("fmt ", FormatBody(1, 1, 22050, 16, {0x34, 0x12})), Chunk("data", Samples8)}),
         0,
         1,
         16,
         {},
         Samples8},
        {"NonPcmWithTwoExtraBytes",
         Riff("WAVE", {Chunk("fmt ", FormatBody(2, 1, 22050, 4, {2, 0, 0xAB, 0xCD})),
                       Chunk("data", Samples5)}),
         0,
         2,
         4,
         {0xAB, 0xCD},
         Samples5},
        {"DataBeforeFormat", Riff("WAVE", {samples5, pcm8}), 0, 1, 8, {}, Samples5},
        {"OddChunksWithPadBytesBeforeData",
         Riff("WAVE", {Chunk("junk", {1, 2, 3}), pcm8, Chunk("odd ", {9}), samples5}),
         0,
         1,
         8,
         {},
         Samples5},
        {"EmptyDataChunk", Riff("WAVE", {pcm8, Chunk("data", {})}), 0, 1, 8, {}, {}},
        {"FirstChunkIsAList", Chunk("LIST", Bytes{'W', 'A', 'V', 'E'}), WaveNotRiffWave},
        {"RiffOfAnotherForm", Riff("AVI ", {pcm8, samples5}), WaveNotRiffWave},
        {"FormatOf14Bytes",
         Riff("WAVE", {Chunk("fmt ", FirstBytes(FormatBody(1, 1, 8000, 8), 14)), samples5}),
         WaveNotRiffWave},
        {"NoFormatChunk", Riff("WAVE", {samples5}), RiffChunkNotFound},
        {"NoDataChunk", Riff("WAVE", {pcm8}), RiffChunkNotFound},
        {"DataSizePastTheEndOfTheFile", Riff("WAVE", {pcm8, ChunkClaiming("data", 4000, Samples8)}),
         WaveDataTruncated},
        {"DataClaimingAlmost4GiB",
         Riff("WAVE", {pcm8, ChunkClaiming("data", 0xFFFFFFF0u, Samples8)}), WaveDataTruncated},
        {"FormatCutShortByTheEndOfTheFile",
         Bytes{'R', 'I', 'F', 'F', 30, 0, 0, 0, 'W', 'A', 'V', 'E',
               'f', 'm', 't', ' ', 16, 0, 0, 0, 1,   0,   1,   0},
         WaveShortRead},
        // A non-PCM format must hold its extra size and extra bytes inside the "fmt " chunk;
        // reading on would take the next chunk's header for format bytes.
        {"NonPcmFormatWithoutExtraSize",
         Riff("WAVE", {Chunk("fmt ", FormatBody(3, 1, 8000, 32)), samples5}), WaveShortRead},
        {"NonPcmExtraBytesPastTheFormatChunk",
         Riff("WAVE", {Chunk("fmt ", FormatBody(2, 1, 8000, 4, {8, 0, 1, 2})), samples5}),
         WaveNotRiffWave},
        {"EmptyFile", Bytes{}, RiffChunkNotFound},
        {"MissingFile", {}, WaveOpenFailed},
    };
}

class WaveReader : public ::testing::TestWithParam<std::tuple<const RiffIoOps*, WaveCase>> {
  protected:
    void SetUp() override {
        SetRiffIo(std::get<0>(GetParam()));
        InstallTestAllocator();
    }
    void TearDown() override {
        // Whatever happened, nothing stays allocated or open.
        EXPECT_EQ(TestAllocator().LiveBlocks, 0);
        EXPECT_EQ(CurrentRiffIo()->OpenFiles(), 0);
        UninstallTestAllocator();
        SetRiffIo(nullptr);
    }
};

bool IsMissing(const WaveCase& c) {
    return std::string(c.Name) == "MissingFile";
}

TEST_P(WaveReader, LoadsOrFailsWithItsCode) {
    const WaveCase& c = std::get<1>(GetParam());
    const bool missing = IsMissing(c);
    std::unique_ptr<FixtureFile> file = missing ? nullptr : std::make_unique<FixtureFile>(c.File);
    const std::string path = missing ? MissingFilePath() : file->Path();

    // Outputs that must come back cleared on failure.
    WaveFormat formatSentinel{};
    uint8_t dataSentinel = 0;
    uint32_t size = 77;
    WaveFormat* format = &formatSentinel;
    uint8_t* data = &dataSentinel;
    const int32_t code = LoadWaveFile(path.c_str(), &size, &format, &data);
    ASSERT_EQ(code, c.Code);
    if (code != 0) {
        EXPECT_EQ(format, nullptr);
        EXPECT_EQ(data, nullptr);
        EXPECT_EQ(size, 0u);
        return;
    }
    EXPECT_EQ(format->FormatTag, c.Tag);
    EXPECT_EQ(format->BitsPerSample, c.BitsPerSample);
    EXPECT_EQ(format->ExtraSize, c.Extra.size());
    EXPECT_EQ(Bytes(ExtraFormatBytes(format), ExtraFormatBytes(format) + format->ExtraSize),
              c.Extra);
    EXPECT_EQ(Bytes(data, data + size), c.Data);
    SoundFree(format);
    SoundFree(data);
}

TEST_P(WaveReader, OpenLeavesNothingBehindOnFailure) {
    const WaveCase& c = std::get<1>(GetParam());
    const bool missing = IsMissing(c);
    std::unique_ptr<FixtureFile> file = missing ? nullptr : std::make_unique<FixtureFile>(c.File);
    RiffFile* riffFile = nullptr;
    WaveFormat* format = nullptr;
    RiffChunk riff{};
    const int32_t code =
        OpenWaveFile(missing ? MissingFilePath().c_str() : file->Path(), &riffFile, &format, &riff);
    if (code != 0) {
        EXPECT_EQ(riffFile, nullptr);
        EXPECT_EQ(format, nullptr);
    } else {
        EXPECT_EQ(IsPcmWaveFile(file->Path()), format->FormatTag == WaveFormatPcm ? 1 : 0);
        EXPECT_EQ(CloseWaveFile(&riffFile, &format), 0);
        EXPECT_EQ(riffFile, nullptr);
        EXPECT_EQ(format, nullptr);
    }
}

std::string CaseName(const ::testing::TestParamInfo<WaveReader::ParamType>& info) {
    return std::string(std::get<0>(info.param)->Name) + "_" + std::get<1>(info.param).Name;
}

std::vector<const RiffIoOps*> Backends() {
    std::vector<const RiffIoOps*> all;
    for (const RiffIoOps* const* b = RiffIoBackends(); *b; ++b) {
        all.push_back(*b);
    }
    return all;
}

INSTANTIATE_TEST_SUITE_P(Files, WaveReader,
                         ::testing::Combine(::testing::ValuesIn(Backends()),
                                            ::testing::ValuesIn(WaveCases())),
                         CaseName);

class WaveReaderBackend : public ::testing::TestWithParam<const RiffIoOps*> {
  protected:
    void SetUp() override {
        SetRiffIo(GetParam());
        InstallTestAllocator();
    }
    void TearDown() override {
        EXPECT_EQ(TestAllocator().LiveBlocks, 0);
        EXPECT_EQ(CurrentRiffIo()->OpenFiles(), 0);
        UninstallTestAllocator();
        SetRiffIo(nullptr);
    }
};

TEST_P(WaveReaderBackend, RefusedBlocksGiveNoMemoryAndFreeTheOthers) {
    const Bytes samples(3000, 0x55);
    FixtureFile file(Riff("WAVE", {PcmFormat(1, 8000, 8), Chunk("data", samples)}));
    struct Refusal {
        const char* What;
        int32_t AtCall;
        size_t FromBytes;
    };
    for (const Refusal& refusal : {Refusal{"format block", 1, 0}, Refusal{"data block", 0, 3000}}) {
        SCOPED_TRACE(refusal.What);
        InstallTestAllocator();
        TestAllocator().FailAtCall = refusal.AtCall;
        TestAllocator().FailFromBytes = refusal.FromBytes;
        uint32_t size = 1;
        WaveFormat* format = nullptr;
        uint8_t* data = nullptr;
        EXPECT_EQ(LoadWaveFile(file.Path(), &size, &format, &data), WaveNoMemory);
        EXPECT_EQ(format, nullptr);
        EXPECT_EQ(data, nullptr);
        EXPECT_EQ(TestAllocator().LiveBlocks, 0);
        EXPECT_EQ(CurrentRiffIo()->OpenFiles(), 0);
    }
}

// A data chunk larger than one I/O buffer: the copy refills as the buffer runs empty.
TEST_P(WaveReaderBackend, ReadsDataLargerThanTheIoBuffer) {
    Bytes samples(50001);
    for (size_t i = 0; i < samples.size(); ++i) {
        samples[i] = uint8_t(i * 7 + i / 251);
    }
    FixtureFile file(Riff("WAVE", {PcmFormat(1, 8000, 8), Chunk("data", samples)}));
    uint32_t size = 0;
    WaveFormat* format = nullptr;
    uint8_t* data = nullptr;
    ASSERT_EQ(LoadWaveFile(file.Path(), &size, &format, &data), 0);
    EXPECT_EQ(Bytes(data, data + size), samples);
    SoundFree(format);
    SoundFree(data);
}

TEST_P(WaveReaderBackend, ReadingMoreThanIsLeftReadsWhatIsLeft) {
    FixtureFile file(Riff("WAVE", {PcmFormat(1, 8000, 8), Chunk("data", Samples8)}));
    RiffFile* riffFile = nullptr;
    WaveFormat* format = nullptr;
    RiffChunk riff{};
    ASSERT_EQ(OpenWaveFile(file.Path(), &riffFile, &format, &riff), 0);
    RiffChunk data{};
    ASSERT_EQ(FindWaveData(riffFile, &data, &riff), 0);
    EXPECT_EQ(data.Size, 8u);

    uint8_t first[3] = {};
    uint32_t read = 0;
    ASSERT_EQ(ReadWaveData(riffFile, 3, first, &data, &read), 0);
    EXPECT_EQ(read, 3u);
    EXPECT_EQ(data.Size, 5u);
    EXPECT_EQ(Bytes(first, first + 3), Bytes(Samples8.begin(), Samples8.begin() + 3));

    uint8_t rest[100] = {};
    ASSERT_EQ(ReadWaveData(riffFile, 100, rest, &data, &read), 0);
    EXPECT_EQ(read, 5u);
    EXPECT_EQ(data.Size, 0u);
    EXPECT_EQ(Bytes(rest, rest + 5), Bytes(Samples8.begin() + 3, Samples8.end()));
    EXPECT_EQ(rest[5], 0); // nothing written past what was left

    EXPECT_EQ(CloseWaveFile(&riffFile, &format), 0);
}

TEST_P(WaveReaderBackend, IsPcmWaveFileTellsPcmFromTheRest) {
    FixtureFile pcm(Riff("WAVE", {PcmFormat(1, 8000, 16), Chunk("data", Samples8)}));
    FixtureFile adpcm(
        Riff("WAVE", {Chunk("fmt ", FormatBody(2, 1, 8000, 4, {0, 0})), Chunk("data", Samples8)}));
    FixtureFile avi(Riff("AVI ", {PcmFormat(1, 8000, 16)}));
    EXPECT_EQ(IsPcmWaveFile(pcm.Path()), 1);
    EXPECT_EQ(IsPcmWaveFile(adpcm.Path()), 0);
    EXPECT_EQ(IsPcmWaveFile(avi.Path()), 0);
    EXPECT_EQ(IsPcmWaveFile(MissingFilePath().c_str()), 0);
    EXPECT_EQ(IsPcmWaveFile(nullptr), 0);
    EXPECT_EQ(IsPcmWaveFile(""), 0);
    EXPECT_EQ(IsPcmWaveFile("."), 0); // a folder
}

// The module names its sound ".\Sound\TORV_Click1.wav", with Windows separators.
TEST_P(WaveReaderBackend, OpensAPathWithBackslashes) {
    const std::string folder = std::string("backslash_") + GetParam()->Name;
    std::filesystem::create_directory(folder);
    {
        FILE* out = std::fopen((folder + "/click.wav").c_str(), "wb");
        ASSERT_TRUE(out);
        const Bytes bytes = Riff("WAVE", {PcmFormat(1, 8000, 8), Chunk("data", Samples5)});
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
    }
    EXPECT_EQ(IsPcmWaveFile((".\\" + folder + "\\click.wav").c_str()), 1);
    std::filesystem::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(Backends, WaveReaderBackend, ::testing::ValuesIn(Backends()),
                         [](const auto& info) { return std::string(info.param->Name); });

} // namespace
