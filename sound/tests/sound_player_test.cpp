// The click player on the fake audio device with the message recorder: the handle table, the
// restart without overlap, and every failure with its message, caption and style.
#include "audio_device_fake.h"
#include "message_recorder.h"
#include "sound_player.h"
#include "test_allocator.h"
#include "wave_fixtures.h"

#include <gtest/gtest.h>
#include <string>

namespace {

const Bytes Click{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
int ownerWindow = 0; // any address serves as the owner
void* const Window = &ownerWindow;

constexpr char SetUpCaption[] = "Soundlib-Fehler";
constexpr char PlayCaption[] = "Direct Sound Error";

Bytes PcmClick() {
    return Riff("WAVE", {PcmFormat(1, 22050, 16), Chunk("data", Click)});
}

class SoundPlayer : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetFakeAudio();
        RecordedMessages().clear();
        SetAudioDevice(&FakeAudioDevice);
        SetMessageSink(&MessageRecorder);
        InstallTestAllocator();
    }
    void TearDown() override {
        for (SoundHandle handle = 1; handle <= 32; ++handle) {
            ReleaseSound(handle);
        }
        EXPECT_EQ(FakeAudio().LiveBuffers, 0);
        EXPECT_EQ(FakeAudio().LiveDevices, 0);
        EXPECT_EQ(FakeAudio().LockedRegions, 0);
        EXPECT_EQ(TestAllocator().LiveBlocks, 0);
        UninstallTestAllocator();
        SetAudioDevice(nullptr);
        SetMessageSink(nullptr);
    }

    // The calls since the last mark.
    std::vector<std::string> CallsSinceMark() {
        const auto& calls = FakeAudio().Calls;
        std::vector<std::string> since(calls.begin() + mark_, calls.end());
        mark_ = calls.size();
        return since;
    }

    FixtureFile click_{PcmClick(), "click"};

  private:
    size_t mark_ = 0;
};

TEST_F(SoundPlayer, CreatesAStaticBufferHoldingTheSamples) {
    EXPECT_EQ(CreateSound(Window, click_.Path()), 1);
    const std::vector<std::string> expected{"CheckCompressionManager",
                                            "Create",
                                            "SetCooperativeLevel(1)",
                                            "CreateBuffer(bytes=10 flags=226)",
                                            "Lock(bytes=10)",
                                            "Unlock(bytes=10)",
                                            "SetVolume(0)",
                                            "SetPan(0)",
                                            "GetCaps"};
    EXPECT_EQ(CallsSinceMark(), expected);
    EXPECT_EQ(FakeAudio().LastContents, Click);
    EXPECT_EQ(FakeAudio().LastFormat.SamplesPerSec, 22050u);
    EXPECT_EQ(FakeAudio().LastFormat.BitsPerSample, 16);
    EXPECT_TRUE(RecordedMessages().empty());
}

TEST_F(SoundPlayer, RestartsFromTheBeginningWhilePlayingWithoutOverlap) {
    const SoundHandle click = CreateSound(Window, click_.Path());
    CallsSinceMark();
    EXPECT_EQ(StartSound(click), 1);
    EXPECT_EQ(CallsSinceMark(), (std::vector<std::string>{"GetStatus", "Play"}));
    EXPECT_EQ(StartSound(click), 1); // still playing: rewound, not started a second time
    EXPECT_EQ(CallsSinceMark(), (std::vector<std::string>{"GetStatus", "SetCurrentPosition(0)"}));
    FinishFakePlayback();
    EXPECT_EQ(StartSound(click), 1); // played to its end: plays again
    EXPECT_EQ(CallsSinceMark(), (std::vector<std::string>{"GetStatus", "Play"}));
    EXPECT_TRUE(RecordedMessages().empty());
}

TEST_F(SoundPlayer, HandlesThatNameNoSoundDoNothing) {
    const SoundHandle click = CreateSound(Window, click_.Path());
    CallsSinceMark();
    for (SoundHandle handle : {0, -1, 2, 32, 33, 1000}) {
        SCOPED_TRACE(handle);
        EXPECT_EQ(StartSound(handle), 0);
        ReleaseSound(handle);
    }
    EXPECT_TRUE(CallsSinceMark().empty());

    ReleaseSound(click);
    EXPECT_EQ(CallsSinceMark(),
              (std::vector<std::string>{"Stop", "ReleaseBuffer", "ReleaseDevice"}));
    ReleaseSound(click); // the second release does nothing
    EXPECT_EQ(StartSound(click), 0);
    EXPECT_TRUE(CallsSinceMark().empty());
}

TEST_F(SoundPlayer, ThirtyTwoSoundsAtMostAndHandleOneAgainWhenAllAreReleased) {
    for (SoundHandle expected = 1; expected <= 32; ++expected) {
        ASSERT_EQ(CreateSound(Window, click_.Path()), expected);
    }
    EXPECT_EQ(FindFreeSoundEntry(), 0);
    EXPECT_EQ(CreateSound(Window, click_.Path()), 0);
    EXPECT_TRUE(RecordedMessages().empty());

    ReleaseSound(7);
    EXPECT_EQ(FindFreeSoundEntry(), 7);
    EXPECT_EQ(CreateSound(Window, click_.Path()), 7);
    for (SoundHandle handle = 32; handle >= 1; --handle) {
        ReleaseSound(handle);
    }
    EXPECT_EQ(CreateSound(Window, click_.Path()), 1);
}

// Every sound is made on one device, which goes with the last sound: no buffer outlives it.
TEST_F(SoundPlayer, SoundsShareOneDeviceUntilTheLastIsReleased) {
    const SoundHandle first = CreateSound(Window, click_.Path());
    const SoundHandle second = CreateSound(Window, click_.Path());
    EXPECT_EQ(FakeAudio().LiveDevices, 1);
    ReleaseSound(first);
    EXPECT_EQ(FakeAudio().LiveDevices, 1);
    EXPECT_EQ(StartSound(second), 1);
    ReleaseSound(second);
    EXPECT_EQ(FakeAudio().LiveDevices, 0);
}

TEST_F(SoundPlayer, FilesThatAreNotPcmWaveAreRefused) {
    FixtureFile compressed(
        Riff("WAVE", {Chunk("fmt ", FormatBody(2, 1, 22050, 4, {2, 0, 0xF4, 0x07})),
                      Chunk("data", Click)}));
    FixtureFile notWave(Riff("AVI ", {PcmFormat(1, 22050, 16), Chunk("data", Click)}));
    const std::string tooLong(256, 'x');
    for (const char* path : {compressed.Path(), notWave.Path(), "missing_sound.wav",
                             tooLong.c_str(), static_cast<const char*>(nullptr)}) {
        SCOPED_TRACE(path ? path : "null");
        RecordedMessages().clear();
        EXPECT_EQ(CreateSound(Window, path), 0);
        ASSERT_EQ(RecordedMessages().size(), 1u);
        EXPECT_EQ(RecordedMessages()[0].Text, "Sound-File ungueltig\n");
        EXPECT_EQ(RecordedMessages()[0].Caption, SetUpCaption);
        EXPECT_EQ(RecordedMessages()[0].Style, 0x10u);
        EXPECT_EQ(RecordedMessages()[0].Owner, Window);
    }
    EXPECT_TRUE(FakeAudio().Calls.empty());
}

struct CreationFailure {
    const char* Name;
    const char* Operation;  // fake device operation that fails, or ""
    int32_t AllocationCall; // allocation that fails, or 0
    const char* Message;    // "" for none
};

void PrintTo(const CreationFailure& f, std::ostream* out) {
    *out << f.Name;
}

class SoundCreationFailure : public SoundPlayer,
                             public ::testing::WithParamInterface<CreationFailure> {};

// Allocations of one creation: 1 the format block of the PCM check, 2 the record, 3 the format
// block of the load, 4 the data block.
const CreationFailure CreationFailures[] = {
    {"RecordNotAllocated", "", 2, "Kann keinen Speicher allokieren"},
    {"FormatNotAllocated", "", 3, "Ungueltiges Format oder nicht genuegend Speicher"},
    {"DataNotAllocated", "", 4, "Ungueltiges Format oder nicht genuegend Speicher"},
    {"CompressionManager", "CheckCompressionManager", 0, "ACM Metrics failed, aborting"},
    {"DeviceCreate", "Create", 0, ""},
    {"CreateBuffer", "CreateBuffer", 0, ""},
    {"Lock", "Lock", 0, ""},
    {"Unlock", "Unlock", 0, ""},
    {"SetVolume", "SetVolume", 0, ""},
    {"SetPan", "SetPan", 0, ""},
    {"GetCaps", "GetCaps", 0, ""},
};

TEST_P(SoundCreationFailure, FailsWithItsMessageAndLeavesNothingBehind) {
    const CreationFailure& failure = GetParam();
    FakeAudio().FailOperation = failure.Operation;
    TestAllocator().FailAtCall = failure.AllocationCall;
    EXPECT_EQ(CreateSound(Window, click_.Path()), 0);
    if (*failure.Message) {
        ASSERT_EQ(RecordedMessages().size(), 1u);
        EXPECT_EQ(RecordedMessages()[0].Text, failure.Message);
        EXPECT_EQ(RecordedMessages()[0].Caption, SetUpCaption);
        EXPECT_EQ(RecordedMessages()[0].Style, 0x10u);
        EXPECT_EQ(RecordedMessages()[0].Owner, Window);
    } else {
        EXPECT_TRUE(RecordedMessages().empty());
    }
    EXPECT_EQ(FakeAudio().LiveBuffers, 0);
    EXPECT_EQ(FakeAudio().LiveDevices, 0);
    EXPECT_EQ(FakeAudio().LockedRegions, 0);
    EXPECT_EQ(TestAllocator().LiveBlocks, 0);

    // The entry stayed free and the count unchanged: the next creation takes handle 1.
    FakeAudio().FailOperation = "";
    TestAllocator().FailAtCall = 0;
    EXPECT_EQ(CreateSound(Window, click_.Path()), 1);
}

INSTANTIATE_TEST_SUITE_P(Rows, SoundCreationFailure, ::testing::ValuesIn(CreationFailures),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(SoundPlayer, ADeviceHandingOutTooSmallARegionFailsTheCreation) {
    FakeAudio().LockShortBy = 1;
    EXPECT_EQ(CreateSound(Window, click_.Path()), 0);
    EXPECT_TRUE(RecordedMessages().empty());
}

struct StartFailure {
    const char* Name;
    bool Playing;
    const char* Operation;
    const char* Message;
    std::vector<std::string> Calls;
};

TEST_F(SoundPlayer, StartFailuresShowTheirMessageForEveryClick) {
    const StartFailure failures[] = {
        {"rewind",
         true,
         "SetCurrentPosition",
         "Cannot set current position",
         {"GetStatus", "SetCurrentPosition(0)"}},
        {"play", false, "Play", "Cannot start playing", {"GetStatus", "Play"}},
        {"status and play", false, "GetStatus", "", {"GetStatus", "Play"}},
    };
    for (const StartFailure& failure : failures) {
        SCOPED_TRACE(failure.Name);
        ResetFakeAudio();
        RecordedMessages().clear();
        const SoundHandle click = CreateSound(Window, click_.Path());
        if (failure.Playing) {
            StartSound(click);
        }
        FakeAudio().Calls.clear();
        FakeAudio().FailOperation = failure.Operation;
        FakeAudio().FailOnCall = 0;
        EXPECT_EQ(StartSound(click), 1);
        EXPECT_EQ(FakeAudio().Calls, failure.Calls);
        EXPECT_EQ(StartSound(click), 1); // a device that keeps failing: a message every click
        const size_t expectedMessages = *failure.Message ? 2 : 0;
        ASSERT_EQ(RecordedMessages().size(), expectedMessages);
        for (const RecordedMessage& message : RecordedMessages()) {
            EXPECT_EQ(message.Text, failure.Message);
            EXPECT_EQ(message.Caption, PlayCaption);
            EXPECT_EQ(message.Style, 0u);
            EXPECT_EQ(message.Owner, nullptr);
        }
        FakeAudio().FailOperation = "";
        ReleaseSound(click);
    }
}

} // namespace
