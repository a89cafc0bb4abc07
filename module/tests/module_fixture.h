// Test support: block names of a test's own, a recording host, the fake audio device.
#pragma once

#include "audio_device_fake.h"
#include "ins_state.h"
#include "message_recorder.h"
#include "recording_host.h"
#include "shared_block.h"
#include "veldra_lifecycle.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>

// A name no other test run uses, so every test starts from fresh zero-filled blocks.
inline std::string UniqueBlockName(const char* what) {
    static int counter = 0;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    return std::string("veldra-test-") + what + "-" + std::to_string(now) + "-" +
           std::to_string(++counter);
}

// A minimal 16-bit PCM WAV file: RIFF header, 16-byte "fmt ", a few samples.
inline void WriteClickFile(const char* path) {
    auto put32 = [](std::ofstream& out, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out.put(static_cast<char>(v >> (8 * i)));
    };
    auto put16 = [](std::ofstream& out, uint16_t v) {
        out.put(static_cast<char>(v));
        out.put(static_cast<char>(v >> 8));
    };
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    put32(out, 4 + 24 + 8 + 8);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1);     // PCM
    put16(out, 1);     // mono
    put32(out, 22050); // samples per second
    put32(out, 44100); // bytes per second
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, 8);
    for (int16_t sample : {0, 12000, -12000, 0})
        put16(out, static_cast<uint16_t>(sample));
}

class ModuleTest : public ::testing::Test {
  protected:
    ModuleTest() : InsName(UniqueBlockName("ins")), TransferName(UniqueBlockName("xfer")) {
        ResetModuleRecords();
        ResetFakeAudio();
        RecordedMessages().clear();
        SetAudioDevice(&FakeAudioDevice);
        SetMessageSink(&MessageRecorder);
        UseSharedBlockNames(InsName.c_str(), TransferName.c_str());
    }
    ~ModuleTest() override {
        while (LiveInstanceCount() > 0)
            VeldraKill();
        RemoveSharedBlock(InsName.c_str());
        RemoveSharedBlock(TransferName.c_str());
        SetAudioDevice(nullptr);
        SetMessageSink(nullptr);
    }

    void StartInstance() {
        VeldraQuery();
        VeldraInstall(0);
        VeldraInitialize();
    }

    std::string InsName;
    std::string TransferName;
    RecordingHost Host;
};
