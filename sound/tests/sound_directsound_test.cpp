// The click through DirectSound, as far as the machine allows: DSOUND.DLL is loaded at run time,
// and a sound is created, started and released without a crash or a stray message box.
#include "audio_device.h"
#include "click_wave.h"
#include "message_recorder.h"
#include "sound_player.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace {

TEST(DirectSound, CreatesStartsAndReleasesTheClick) {
    const char* wavePath = "directsound_click.wav";
    const std::vector<uint8_t> wave = EncodePcm16Wave(MakeClickSamples(), ClickSampleRate);
    std::ofstream(wavePath, std::ios::binary)
        .write(reinterpret_cast<const char*>(wave.data()), std::streamsize(wave.size()));
    SetAudioDevice(nullptr);          // the platform's own: DirectSound
    SetMessageSink(&MessageRecorder); // a real message box would wait for a click

    const SoundHandle click = CreateSound(nullptr, wavePath);
    std::printf("DirectSound: CreateSound gave handle %d\n", click);
    RecordProperty("DirectSoundHandle", click);
    if (click != 0) {
        EXPECT_EQ(StartSound(click), 1);
        EXPECT_EQ(StartSound(click), 1); // while it plays: rewound
        ReleaseSound(click);
    }
    for (const RecordedMessage& message : RecordedMessages()) {
        std::printf("DirectSound: message \"%s\" (%s)\n", message.Text.c_str(),
                    message.Caption.c_str());
    }
    // Creation fails silently where there is no device; starting must not fail once created.
    EXPECT_TRUE(RecordedMessages().empty());
    SetMessageSink(nullptr);
    std::remove(wavePath);
}

} // namespace
