// The SDL2 window front end: the panel at an integer zoom, mouse clicks, 18 ticks a second.
#include "window.h"

#include "png_file.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>

#include <cstdlib>
#include <ostream>

namespace bench {

namespace {

struct Window {
    SDL_Window* Handle = nullptr;
    SDL_Renderer* Renderer = nullptr;
    SDL_Texture* Texture = nullptr;

    ~Window() {
        if (Texture != nullptr)
            SDL_DestroyTexture(Texture);
        if (Renderer != nullptr)
            SDL_DestroyRenderer(Renderer);
        if (Handle != nullptr)
            SDL_DestroyWindow(Handle);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
};

bool DisplayConfigured() {
    return std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
}

bool OpenWindow(Window& window, const Frame& frame, int zoom, std::ostream& err) {
    window.Handle = SDL_CreateWindow("gaugebench", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                     frame.Width * zoom, frame.Height * zoom, 0);
    if (window.Handle == nullptr) {
        err << "gaugebench: cannot open a window (" << SDL_GetError() << ")\n";
        return false;
    }
    window.Renderer = SDL_CreateRenderer(window.Handle, -1, 0);
    if (window.Renderer == nullptr)
        window.Renderer = SDL_CreateRenderer(window.Handle, -1, SDL_RENDERER_SOFTWARE);
    if (window.Renderer != nullptr)
        window.Texture = SDL_CreateTexture(window.Renderer, SDL_PIXELFORMAT_RGBA32,
                                           SDL_TEXTUREACCESS_STREAMING, frame.Width, frame.Height);
    if (window.Texture == nullptr) {
        err << "gaugebench: cannot draw into the window (" << SDL_GetError() << ")\n";
        return false;
    }
    return true;
}

// A scripted click travels the same way as a real one: as a mouse event on the window, at the
// centre of the zoomed pixel.
void PushClick(int x, int y, int zoom) {
    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = SDL_PRESSED;
    event.button.clicks = 1;
    event.button.x = x * zoom + zoom / 2;
    event.button.y = y * zoom + zoom / 2;
    SDL_PushEvent(&event);
}

void PushQuit() {
    SDL_Event event{};
    event.type = SDL_QUIT;
    SDL_PushEvent(&event);
}

// Handles pending events; false once the window is to close.
bool HandleEvents(Bench& bench, int zoom) {
    SDL_Event event;
    bool open = true;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT)
            open = false;
        else if (event.type == SDL_MOUSEBUTTONDOWN && event.button.button == SDL_BUTTON_LEFT)
            bench.ClickPanel(event.button.x / zoom, event.button.y / zoom);
    }
    return open;
}

void Present(Window& window, const Frame& frame) {
    SDL_UpdateTexture(window.Texture, nullptr, frame.Pixels.data(), frame.Width * 4);
    SDL_RenderClear(window.Renderer);
    SDL_RenderCopy(window.Renderer, window.Texture, nullptr, nullptr);
    SDL_RenderPresent(window.Renderer);
}

int RunWindow(Bench& bench, const Scenario& scenario, const RunOptions& options, std::ostream& out,
              std::ostream& err) {
    if (!DisplayConfigured())
        return WindowUnavailable;
    SDL_SetMainReady();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        err << "gaugebench: no display (" << SDL_GetError() << "); running headless\n";
        return WindowUnavailable;
    }
    Window window;
    if (!OpenWindow(window, bench.CurrentFrame(), options.Zoom, err))
        return 1;

    const int zoom = options.Zoom;
    ScenarioTarget target{bench, [zoom](int x, int y) { PushClick(x, y, zoom); }};
    const int64_t ticks = std::llround(options.Seconds * TicksPerSecond);
    const uint64_t start = SDL_GetTicks64();
    std::string error;
    for (int64_t tick = 0; ticks == 0 || tick < ticks; ++tick) {
        if (!HandleEvents(bench, zoom) || StopSignalled())
            break;
        ApplyScenario(scenario, target, tick);
        if (target.StopRequested) {
            PushQuit(); // closes through the same path as the window's close button
            target.StopRequested = false;
        }
        const bool ran = bench.RunTicks(1, error);
        PrintTrace(bench, out);
        if (!ran) {
            err << "gaugebench: " << error << "\n";
            return 1;
        }
        Present(window, bench.CurrentFrame());
        const uint64_t due = start + static_cast<uint64_t>((tick + 1) * 1000 / TicksPerSecond);
        const uint64_t now = SDL_GetTicks64();
        if (due > now)
            SDL_Delay(static_cast<uint32_t>(due - now));
    }
    HandleEvents(bench, zoom); // a click still queued is delivered before the gauges are killed
    if (!options.PngPath.empty() && !WritePng(options.PngPath, bench.CurrentFrame())) {
        err << "gaugebench: cannot write " << options.PngPath << "\n";
        return 1;
    }
    return 0;
}

} // namespace

WindowFrontEnd WindowBackEnd() {
    return RunWindow;
}

} // namespace bench
