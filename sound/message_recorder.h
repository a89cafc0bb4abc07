// The message recorder: keeps every message the player shows, for tests.
#pragma once

#include "message_sink.h"

#include <string>
#include <vector>

struct RecordedMessage {
    void* Owner;
    std::string Text;
    std::string Caption;
    uint32_t Style;
};

extern const MessageSink MessageRecorder;

std::vector<RecordedMessage>& RecordedMessages();
