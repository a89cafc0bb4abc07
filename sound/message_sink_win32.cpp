// Messages on Windows: a modal MessageBoxA.
#include "message_sink.h"

#include <windows.h>

namespace {

void Show(void* owner, const char* text, const char* caption, uint32_t style) {
    MessageBoxA(static_cast<HWND>(owner), text, caption, style);
}

constexpr MessageSink Win32MessageSink{.Name = "win32", .Show = Show};

} // namespace

const MessageSink* PlatformMessageSink() {
    return &Win32MessageSink;
}
