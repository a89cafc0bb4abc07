// Speed of one frame of the default panel: the bench's composition against SDL's colour-key blits
// of the same layers and against a plain copy of the frame.
//
// Run from build/native/bin; the gauges come from the gauges folder beside bin:
//     ./bench_compose
#include "bench.h"
#include "compose.h"
#include "element_tree.h"
#include "gauge_instance.h"
#include "panel_file.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

// Simulator variables that put the needles somewhere other than their rest positions.
struct VariableSetting {
    int32_t Id;
    double Value;
};
constexpr VariableSetting PanelVariables[] = {
    {0x45, 10.0}, // ball deflection
    {0x51, 94.0}, // heading
    {0x56, 90.0}, // track
    {0x3D, 60.0}, // ALERT gate
};

// The default panel, loaded once, and the gauges as the draw service saw them.
struct Panel {
    std::unique_ptr<bench::Bench> Bench;
    std::vector<bench::GaugeInstance*> Gauges;
    uint32_t Background = 0;
};

Panel* ThePanel = nullptr;

// The bench keeps its gauges to itself; every gauge asks the draw service to draw its tree, so
// the benchmark learns them by passing that one service through a recorder for a single tick.
std::vector<bench::GaugeInstance*>* Recorded = nullptr;
ElementListService ForwardedDraw = nullptr;

int32_t PANEL_CALL RecordingDraw(ElementRecord* root) {
    bench::GaugeInstance* gauge = bench::Host().Current;
    if (gauge != nullptr && std::find(Recorded->begin(), Recorded->end(), gauge) == Recorded->end())
        Recorded->push_back(gauge);
    return ForwardedDraw(root);
}

bool RecordGauges(Panel& panel, std::string& error) {
    HostFunctionTable* services = bench::ServiceTable();
    Recorded = &panel.Gauges;
    ForwardedDraw = services->DrawElementList;
    services->DrawElementList = RecordingDraw;
    const bool ran = panel.Bench->RunTicks(1, error);
    services->DrawElementList = ForwardedDraw;
    Recorded = nullptr;
    if (!ran)
        return false;
    if (static_cast<int>(panel.Gauges.size()) != panel.Bench->GaugeCount()) {
        error = "not every gauge drew through the draw service";
        return false;
    }
    for (const bench::GaugeInstance* gauge : panel.Gauges) {
        if (!gauge->Surface.empty()) {
            error = "gauge " + std::to_string(gauge->Number) + " is drawn scaled";
            return false;
        }
    }
    return true;
}

bool LoadDefaultPanel(const std::string& gaugesFolder, Panel& panel, std::string& error) {
    bench::PanelDescription description;
    if (!bench::ParsePanel(bench::DefaultPanelText, "default panel", gaugesFolder, description,
                           error))
        return false;
    panel.Bench = std::make_unique<bench::Bench>();
    if (!panel.Bench->LoadPanel(description, error))
        return false;
    panel.Background = bench::PackRgba(description.Background[0], description.Background[1],
                                       description.Background[2]);
    for (const VariableSetting& setting : PanelVariables)
        panel.Bench->SetVariable(setting.Id, setting.Value);
    return RecordGauges(panel, error);
}

// ---------------------------------------------------------------------------------------------
// The bench's own composition
// ---------------------------------------------------------------------------------------------

// What the bench does for a frame once every gauge is updated: clear to the panel colour and
// draw each gauge's tree. Each gauge's canvas points at `frame` while it draws, then back at the
// bench's own frame.
void ComposeFrame(const Panel& panel, bench::Frame& frame) {
    ClearFrame(frame, panel.Background);
    for (bench::GaugeInstance* gauge : panel.Gauges) {
        uint32_t* const benchPixels = gauge->Target.Pixels;
        gauge->Target.Pixels = frame.Pixels.data();
        bench::DrawTree(*gauge);
        gauge->Target.Pixels = benchPixels;
    }
}

bench::Frame EmptyFrameLike(const bench::Frame& model) {
    bench::Frame frame;
    frame.Width = model.Width;
    frame.Height = model.Height;
    frame.Pixels.assign(model.Pixels.size(), 0);
    return frame;
}

void BM_BenchTick(benchmark::State& state) {
    std::string error;
    for (auto _ : state) {
        if (!ThePanel->Bench->RunTicks(1, error)) {
            state.SkipWithError(error.c_str());
            break;
        }
        benchmark::DoNotOptimize(ThePanel->Bench->CurrentFrame().Pixels.data());
    }
}

void BM_BenchCompose(benchmark::State& state) {
    bench::Frame frame = EmptyFrameLike(ThePanel->Bench->CurrentFrame());
    ComposeFrame(*ThePanel, frame);
    if (frame.Pixels != ThePanel->Bench->CurrentFrame().Pixels) {
        state.SkipWithError("composing alone gives another frame than the last tick");
        return;
    }
    for (auto _ : state) {
        ComposeFrame(*ThePanel, frame);
        benchmark::DoNotOptimize(frame.Pixels.data());
        benchmark::ClobberMemory();
    }
}

// ---------------------------------------------------------------------------------------------
// The same layers through SDL: pre-converted ARGB8888 surfaces with RLE colour keys
// ---------------------------------------------------------------------------------------------

constexpr uint32_t RgbMask = 0x00FFFFFF;

uint32_t ArgbFromRgba(uint32_t p) {
    return 0xFF000000u | uint32_t{bench::Red(p)} << 16 | uint32_t{bench::Green(p)} << 8 |
           bench::Blue(p);
}

// A colour the picture does not use, so that keying it out hides only the see-through pixels.
uint32_t UnusedColour(const std::vector<uint32_t>& argbPixels) {
    const std::set<uint32_t> used(argbPixels.begin(), argbPixels.end());
    uint32_t key = 0xFF00FF;
    while (used.count(0xFF000000u | key) != 0)
        key = (key + 1) & RgbMask;
    return key;
}

using SurfacePointer = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

// An ARGB8888 surface of the given pixels where `keep[i]` is false for see-through ones.
SurfacePointer KeyedSurface(int width, int height, std::vector<uint32_t> argb,
                            const std::vector<bool>& keep) {
    std::vector<uint32_t> opaque;
    for (size_t i = 0; i < argb.size(); ++i)
        if (keep[i])
            opaque.push_back(argb[i]);
    const uint32_t key = UnusedColour(opaque);
    for (size_t i = 0; i < argb.size(); ++i)
        if (!keep[i])
            argb[i] = 0xFF000000u | key;
    SurfacePointer surface(
        SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888),
        SDL_FreeSurface);
    if (surface == nullptr)
        return surface;
    for (int y = 0; y < height; ++y)
        std::memcpy(static_cast<uint8_t*>(surface->pixels) +
                        static_cast<size_t>(y) * surface->pitch,
                    argb.data() + static_cast<size_t>(y) * width, sizeof(uint32_t) * width);
    SDL_SetSurfaceBlendMode(surface.get(), SDL_BLENDMODE_NONE); // copy, as the bench does
    SDL_SetColorKey(surface.get(), SDL_TRUE | SDL_RLEACCEL,
                    SDL_MapRGB(surface->format, key >> 16, (key >> 8) & 0xFF, key & 0xFF));
    return surface;
}

SurfacePointer PictureSurface(const bench::RgbaPicture& picture) {
    std::vector<uint32_t> argb(picture.Pixels.size());
    std::vector<bool> keep(picture.Pixels.size());
    for (size_t i = 0; i < argb.size(); ++i) {
        argb[i] = ArgbFromRgba(picture.Pixels[i]);
        keep[i] = bench::Alpha(picture.Pixels[i]) != 0;
    }
    return KeyedSurface(picture.Width, picture.Height, std::move(argb), keep);
}

// The mask's draw-over pixels; hidden and show-through ones are keyed out.
SurfacePointer DrawOverSurface(const bench::MaskPicture& mask) {
    std::vector<uint32_t> argb(mask.Pixels.size());
    std::vector<bool> keep(mask.Pixels.size(), false);
    for (size_t i = 0; i < argb.size(); ++i)
        argb[i] = ArgbFromRgba(mask.Pixels[i]);
    for (int y = 0; y < mask.Height; ++y) {
        for (uint32_t r = mask.RowRuns[y]; r < mask.RowRuns[y + 1]; ++r) {
            const bench::MaskRun run = mask.Runs[r];
            if (run.Action != bench::MaskAction::DrawOver)
                continue;
            for (int x = run.Start; x < run.Start + run.Length; ++x)
                keep[static_cast<size_t>(y) * mask.Width + x] = true;
        }
    }
    return KeyedSurface(mask.Width, mask.Height, std::move(argb), keep);
}

// One blit: a surface with its top left corner at panel (X, Y), clipped to Clip.
struct Layer {
    SDL_Surface* Surface = nullptr;
    int X = 0;
    int Y = 0;
    SDL_Rect Clip{};
};

SDL_Rect Intersection(const SDL_Rect& a, const SDL_Rect& b) {
    SDL_Rect result{};
    if (SDL_IntersectRect(&a, &b, &result) == SDL_FALSE)
        return SDL_Rect{0, 0, 0, 0};
    return result;
}

// Every picture the panel's last update shows, at the place the bench drew it. A moving image is
// its strip clipped to the mask's window, then the mask's draw-over pixels; the strip also shows
// where the mask hides, which a colour-key blit cannot express (the matching-pixel share shows
// how much that is).
struct SdlPanel {
    std::vector<SurfacePointer> Surfaces;
    std::vector<Layer> Layers;
    SurfacePointer Frame{nullptr, SDL_FreeSurface};
    uint32_t Background = 0;

    SDL_Surface* Keep(SurfacePointer surface) {
        Surfaces.push_back(std::move(surface));
        return Surfaces.back().get();
    }

    void AddGauge(const bench::GaugeInstance& gauge, const SDL_Rect& frameRect) {
        const SDL_Rect clip =
            Intersection({gauge.X, gauge.Y, gauge.Width, gauge.Height}, frameRect);
        for (const bench::ElementState& element : gauge.Elements) {
            const ElementRecord* record = element.Element;
            const int x = gauge.X + record->X;
            const int y = gauge.Y + record->Y;
            switch (record->Kind) {
            case ElementStaticImage:
                Layers.push_back({Keep(PictureSurface(element.Pictures[0])), x, y, clip});
                break;
            case ElementSlidingImage:
                Layers.push_back({Keep(PictureSurface(element.Pictures[0])),
                                  gauge.X + element.PlaceX, gauge.Y + element.PlaceY, clip});
                break;
            case ElementIcon:
                if (element.IconPicture >= 0)
                    Layers.push_back(
                        {Keep(PictureSurface(element.Pictures[element.IconPicture])), x, y, clip});
                break;
            case ElementMovingImage: {
                const SDL_Rect window =
                    Intersection({x, y, element.Mask.Width, element.Mask.Height}, clip);
                Layers.push_back({Keep(PictureSurface(element.Pictures[0])), x + element.PlaceX,
                                  y + element.PlaceY, window});
                Layers.push_back({Keep(DrawOverSurface(element.Mask)), x, y, clip});
                break;
            }
            default:
                break;
            }
        }
    }
};

bool BuildSdlPanel(const Panel& panel, SdlPanel& sdl, std::string& error) {
    const bench::Frame& frame = panel.Bench->CurrentFrame();
    sdl.Frame.reset(
        SDL_CreateRGBSurfaceWithFormat(0, frame.Width, frame.Height, 32, SDL_PIXELFORMAT_ARGB8888));
    if (sdl.Frame == nullptr) {
        error = SDL_GetError();
        return false;
    }
    const uint32_t background = ArgbFromRgba(panel.Background);
    sdl.Background = SDL_MapRGB(sdl.Frame->format, (background >> 16) & 0xFF,
                                (background >> 8) & 0xFF, background & 0xFF);
    const SDL_Rect frameRect{0, 0, frame.Width, frame.Height};
    for (const bench::GaugeInstance* gauge : panel.Gauges)
        sdl.AddGauge(*gauge, frameRect);
    for (const SurfacePointer& surface : sdl.Surfaces) {
        if (surface == nullptr) {
            error = SDL_GetError();
            return false;
        }
    }
    return true;
}

// How the SDL frame is cleared before the blits. SDL_FillRect writes a whole frame with
// streaming stores that bypass the cache, so every blit after it writes to memory; a plain fill
// leaves the frame cached, as the bench's does, and shows what the blits alone cost.
enum class Clearing { SdlFillRect, PlainFill };

void ClearSdlFrame(SDL_Surface* frame, uint32_t colour, Clearing clearing) {
    if (clearing == Clearing::SdlFillRect) {
        SDL_FillRect(frame, nullptr, colour);
        return;
    }
    for (int y = 0; y < frame->h; ++y)
        std::fill_n(reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(frame->pixels) +
                                                static_cast<size_t>(y) * frame->pitch),
                    frame->w, colour);
}

void ComposeSdlFrame(SdlPanel& sdl, Clearing clearing) {
    SDL_Surface* frame = sdl.Frame.get();
    SDL_SetClipRect(frame, nullptr);
    ClearSdlFrame(frame, sdl.Background, clearing);
    for (const Layer& layer : sdl.Layers) {
        SDL_SetClipRect(frame, &layer.Clip);
        SDL_Rect place{layer.X, layer.Y, 0, 0};
        SDL_BlitSurface(layer.Surface, nullptr, frame, &place);
    }
}

// Share of the SDL frame's pixels that equal the bench's frame.
double MatchingShare(SDL_Surface* frame, const bench::Frame& reference) {
    size_t matching = 0;
    for (int y = 0; y < reference.Height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(
            static_cast<const uint8_t*>(frame->pixels) + static_cast<size_t>(y) * frame->pitch);
        for (int x = 0; x < reference.Width; ++x)
            if ((row[x] & RgbMask) == (ArgbFromRgba(reference.At(x, y)) & RgbMask))
                ++matching;
    }
    return static_cast<double>(matching) / static_cast<double>(reference.Pixels.size());
}

int RunLengthEncoded(const SdlPanel& sdl) {
    int count = 0;
    for (const SurfacePointer& surface : sdl.Surfaces)
        if ((surface->flags & SDL_RLEACCEL) != 0)
            ++count;
    return count;
}

void BM_SdlRleBlit(benchmark::State& state, Clearing clearing) {
    const bench::Frame& reference = ThePanel->Bench->CurrentFrame();
    SdlPanel sdl;
    std::string error;
    if (!BuildSdlPanel(*ThePanel, sdl, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    ComposeSdlFrame(sdl, clearing); // the first blit of each surface encodes its runs
    if (RunLengthEncoded(sdl) != static_cast<int>(sdl.Surfaces.size())) {
        state.SkipWithError("SDL did not run-length encode every surface");
        return;
    }
    for (auto _ : state) {
        ComposeSdlFrame(sdl, clearing);
        benchmark::DoNotOptimize(sdl.Frame->pixels);
        benchmark::ClobberMemory();
    }
    state.counters["layers"] = static_cast<double>(sdl.Layers.size());
    state.counters["matching"] = MatchingShare(sdl.Frame.get(), reference);
}

// ---------------------------------------------------------------------------------------------
// The floor: copying a finished frame
// ---------------------------------------------------------------------------------------------

void BM_FrameMemcpy(benchmark::State& state) {
    const bench::Frame& source = ThePanel->Bench->CurrentFrame();
    std::vector<uint32_t> copy(source.Pixels.size());
    for (auto _ : state) {
        std::memcpy(copy.data(), source.Pixels.data(), source.Pixels.size() * sizeof(uint32_t));
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "bench_compose: %s\n", SDL_GetError());
        return 1;
    }
    Panel panel;
    std::string error;
    const std::string gauges = bench::JoinPath(bench::FolderOf(argv[0]), "../gauges");
    if (!LoadDefaultPanel(gauges, panel, error)) {
        std::fprintf(stderr, "bench_compose: %s\n", error.c_str());
        SDL_Quit();
        return 1;
    }
    ThePanel = &panel;
    benchmark::RegisterBenchmark("BenchTick", BM_BenchTick);
    benchmark::RegisterBenchmark("BenchCompose", BM_BenchCompose);
    benchmark::RegisterBenchmark("SdlRleBlit", BM_SdlRleBlit, Clearing::SdlFillRect);
    benchmark::RegisterBenchmark("SdlRleBlitPlainFill", BM_SdlRleBlit, Clearing::PlainFill);
    benchmark::RegisterBenchmark("FrameMemcpy", BM_FrameMemcpy);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ThePanel = nullptr;
    panel.Bench.reset(); // kills the gauges and unloads the modules
    SDL_Quit();
    return 0;
}
