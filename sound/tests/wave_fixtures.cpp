// WAV fixture builders and self-removing fixture files.
#include "wave_fixtures.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>

void Append(Bytes& out, const Bytes& more) {
    out.insert(out.end(), more.begin(), more.end());
}

void Put16(Bytes& out, uint32_t value) {
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void Put32(Bytes& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

static void PutId(Bytes& out, const char* id) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(uint8_t(id[i]));
    }
}

Bytes ChunkClaiming(const char* id, uint32_t statedSize, const Bytes& body) {
    Bytes out;
    PutId(out, id);
    Put32(out, statedSize);
    Append(out, body);
    if (body.size() & 1) {
        out.push_back(0);
    }
    return out;
}

Bytes Chunk(const char* id, const Bytes& body) {
    return ChunkClaiming(id, uint32_t(body.size()), body);
}

Bytes Riff(const char* form, const std::vector<Bytes>& chunks) {
    Bytes inner;
    PutId(inner, form);
    for (const Bytes& chunk : chunks) {
        Append(inner, chunk);
    }
    return Chunk("RIFF", inner);
}

Bytes FormatBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, const Bytes& more) {
    const uint16_t blockAlign = uint16_t(channels * ((bits + 7) / 8));
    Bytes out;
    Put16(out, tag);
    Put16(out, channels);
    Put32(out, rate);
    Put32(out, rate * blockAlign);
    Put16(out, blockAlign);
    Put16(out, bits);
    Append(out, more);
    return out;
}

Bytes PcmFormat(uint16_t channels, uint32_t rate, uint16_t bits) {
    return Chunk("fmt ", FormatBody(1, channels, rate, bits));
}

namespace {

// Unique per process and file, since the test cases of one program may run side by side.
std::string UniqueName(const std::string& tag) {
    static int serial = 0;
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "fixture_";
    name += test ? std::string(test->test_suite_name()) + "_" + test->name() : "fuzz";
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            c = '_';
        }
    }
    return name + "_" + tag + "_" + std::to_string(++serial) + ".wav";
}

} // namespace

FixtureFile::FixtureFile(const Bytes& contents, const std::string& tag) : path_(UniqueName(tag)) {
    FILE* out = std::fopen(path_.c_str(), "wb");
    EXPECT_TRUE(out) << "cannot create " << path_;
    if (out) {
        if (!contents.empty()) {
            std::fwrite(contents.data(), 1, contents.size(), out);
        }
        std::fclose(out);
    }
}

FixtureFile::~FixtureFile() {
    std::remove(path_.c_str());
}

std::string MissingFilePath() {
    return "no_such_folder_for_sound/missing.wav";
}
