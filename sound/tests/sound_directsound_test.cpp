// The click through DirectSound, as far as the machine allows: DSOUND.DLL is loaded at run time,
// and a sound is created, started and released without a crash or a stray message box.
#include "audio_device.h"
#include "click_wave.h"
#include "message_recorder.h"
#include "sound_player.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

namespace {

// Where the test's ALSA configuration sends wine's audio (a "file" pcm), if it is in use.
const char* AlsaOutput() {
    return std::getenv("VELDRA_ALSA_OUTPUT");
}

size_t NonSilentBytes(const char* path) {
    std::ifstream in(path, std::ios::binary);
    size_t count = 0;
    for (auto it = std::istreambuf_iterator<char>(in); it != std::istreambuf_iterator<char>();
         ++it) {
        count += *it != 0;
    }
    return count;
}

// Gives the mixer time to play the click into the ALSA file; bounded, never a timing check.
void WaitForTheClick(const char* output) {
    for (int i = 0; i < 150 && NonSilentBytes(output) < 1000; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

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
    if (AlsaOutput()) {
        EXPECT_NE(click, 0) << "wine's DirectSound has an ALSA file sink and should play";
    }
    if (click != 0) {
        EXPECT_EQ(StartSound(click), 1);
        EXPECT_EQ(StartSound(click), 1); // while it plays: rewound
        if (AlsaOutput()) {
            WaitForTheClick(AlsaOutput());
        }
        ReleaseSound(click);
    }
    if (AlsaOutput()) {
        const size_t played = NonSilentBytes(AlsaOutput());
        std::printf("DirectSound: %zu non-silent bytes reached %s\n", played, AlsaOutput());
        EXPECT_GE(played, 1000u) << "the click did not reach wine's audio output";
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
