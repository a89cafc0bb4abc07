// The message recorder: a message sink that only remembers.
#include "message_recorder.h"

namespace {

std::vector<RecordedMessage> messages;

void Show(void* owner, const char* text, const char* caption, uint32_t style) {
    messages.push_back({owner, text, caption, style});
}

} // namespace

const MessageSink MessageRecorder{.Name = "recorder", .Show = Show};

std::vector<RecordedMessage>& RecordedMessages() {
    return messages;
}
