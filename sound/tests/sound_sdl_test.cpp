// The click through SDL2 audio with SDL's disk driver: one StartSound writes the click's samples
// to the driver's output file. No sound card is needed.
#include "audio_device.h"
#include "click_wave.h"
#include "message_recorder.h"
#include "message_sink.h"
#include "sound_player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

namespace {

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(SdlDiskAudio, OneStartWritesTheClickToTheDriversFile) {
    const std::string wavePath = "sdl_disk_click.wav";
    const std::string outputPath = "sdl_disk_output.raw";
    std::remove(outputPath.c_str());
    const std::vector<int16_t> samples = MakeClickSamples();
    const std::vector<uint8_t> wave = EncodePcm16Wave(samples, ClickSampleRate);
    std::ofstream(wavePath, std::ios::binary)
        .write(reinterpret_cast<const char*>(wave.data()), std::streamsize(wave.size()));

    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", outputPath.c_str(), 1);
    SetAudioDevice(nullptr); // the platform's own: SDL2
    SetMessageSink(&MessageRecorder);

    const SoundHandle click = CreateSound(nullptr, wavePath.c_str());
    ASSERT_EQ(click, 1);
    EXPECT_EQ(StartSound(click), 1);

    // The driver writes in real time; wait until the click and some silence behind it are out.
    const size_t clickBytes = samples.size() * 2;
    for (int i = 0; i < 500 && std::filesystem::exists(outputPath) &&
                    std::filesystem::file_size(outputPath) < clickBytes + 16384;
         ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ReleaseSound(click); // closes the device and its file
    EXPECT_TRUE(RecordedMessages().empty());

    const std::vector<uint8_t> written = ReadAll(outputPath);
    const std::vector<uint8_t> clickData(wave.end() - std::ptrdiff_t(clickBytes), wave.end());
    const auto found =
        std::search(written.begin(), written.end(), clickData.begin(), clickData.end());
    EXPECT_NE(found, written.end())
        << "the click is not in the " << written.size() << " bytes the driver wrote";
    SetMessageSink(nullptr);
    std::remove(outputPath.c_str());
    std::remove(wavePath.c_str());
}

// Without a display a message is one line on stderr, its caption first.
TEST(SdlMessages, WithoutADisplayAMessageIsOneLineOnStderr) {
    const char* display = std::getenv("DISPLAY");
    const std::string saved = display ? display : "";
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    ::testing::internal::CaptureStderr();
    PlatformMessageSink()->Show(nullptr, "Sound-File ungueltig\n", "Soundlib-Fehler", 0x10);
    PlatformMessageSink()->Show(nullptr, "Cannot start playing", "Direct Sound Error", 0);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Soundlib-Fehler: Sound-File ungueltig\nDirect Sound Error: Cannot start playing\n");
    if (display) {
        setenv("DISPLAY", saved.c_str(), 1);
    }
}

} // namespace
