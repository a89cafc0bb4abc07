// Messages without Windows: SDL's message box where a display exists, else one line on stderr.
#include "message_sink.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool HaveDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value && *value) {
            return true;
        }
    }
    return false;
}

Uint32 BoxFlags(uint32_t style) {
    return (style & MessageStyleError) ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
}

void Show(void*, const char* text, const char* caption, uint32_t style) {
    if (HaveDisplay() && SDL_ShowSimpleMessageBox(BoxFlags(style), caption, text, nullptr) == 0) {
        return;
    }
    std::string line = text;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.pop_back();
    }
    std::fprintf(stderr, "%s: %s\n", caption, line.c_str());
}

constexpr MessageSink SdlMessageSink{.Name = "sdl", .Show = Show};

} // namespace

const MessageSink* PlatformMessageSink() {
    return &SdlMessageSink;
}
