// The message seam: how the click player shows its failures (a modal box where there is one).
#pragma once

#include <cstdint>

inline constexpr uint32_t MessageStyleOk = 0;
inline constexpr uint32_t MessageStyleError = 0x10; // MB_ICONHAND

struct MessageSink {
    const char* Name;
    void (*Show)(void* owner, const char* text, const char* caption, uint32_t style);
};

// MessageBoxA on Windows; elsewhere SDL's box where a display exists, else a line on stderr.
const MessageSink* PlatformMessageSink();

// The sink the player uses from its next call on; null restores the platform's.
void SetMessageSink(const MessageSink* sink);
void ShowMessage(void* owner, const char* text, const char* caption, uint32_t style);
