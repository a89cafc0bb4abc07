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
#include <string>

// A name no other test run uses, so every test starts from fresh zero-filled blocks.
inline std::string UniqueBlockName(const char* what) {
    static int counter = 0;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    return std::string("veldra-test-") + what + "-" + std::to_string(now) + "-" +
           std::to_string(++counter);
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
