// Which audio device and message sink the click player uses.
#include "audio_device.h"
#include "message_sink.h"

namespace {
const AudioDeviceOps* chosenDevice = nullptr;
const MessageSink* chosenSink = nullptr;
} // namespace

void SetAudioDevice(const AudioDeviceOps* ops) {
    chosenDevice = ops;
}

const AudioDeviceOps* CurrentAudioDevice() {
    return chosenDevice ? chosenDevice : PlatformAudioDevice();
}

void SetMessageSink(const MessageSink* sink) {
    chosenSink = sink;
}

void ShowMessage(void* owner, const char* text, const char* caption, uint32_t style) {
    const MessageSink* sink = chosenSink ? chosenSink : PlatformMessageSink();
    sink->Show(owner, text, caption, style);
}
