// A console demonstration of the navigation cycle: a falling distance and a moving present
// position, and what the two displays hold each second for every data-selector position.
#include "format_displays.h"
#include "host_variables.h"
#include "ins_state.h"
#include "navigation_cycle.h"
#include "recording_host.h"

#include <cstdio>
#include <string>

namespace {

const char* const SelectorNames[] = {"TK GS", "HDG DA",   "XTK TKE", "POS",
                                     "WPT",   "DIS TIME", "WIND",    "DSR TK STS"};

// The characters that the display digits show: left 1-5, right 1-6.
std::string Shown(const char* text, int first, int count) {
    std::string shown;
    for (int k = first; k < first + count; ++k)
        shown += text[k] == '\0' ? ' ' : text[k];
    return shown;
}

void PrintDisplays(int second) {
    std::printf("second %d: GS %d, TIME %.2f, ALERT %s\n", second, Cycle.GroundSpeed,
                Cycle.TimeToGo, Display.AlertActive == 1 ? "on" : "off");
    for (int32_t selector = 0; selector < 8; ++selector) {
        SharedIns->DataSelector = selector;
        FormatDisplays();
        std::printf("  %-10s  [%s]  [%s]\n", SelectorNames[selector],
                    Shown(Display.LeftText, 1, 5).c_str(), Shown(Display.RightText, 1, 6).c_str());
    }
}

} // namespace

int main(int argc, char** argv) {
    int seconds = 6;
    if (argc > 1)
        seconds = std::stoi(argv[1]);
    RecordingHost host;
    host.Values = {{0x51, 92.5}, {0x56, 90.0}, {0x3D, 60.0}, {0x157, 15.2}, {0x158, 270.6}};
    InsState& ins = *SharedIns;
    ins.PresentNorth = 1;
    ins.PresentEast = 1;
    ins.CrossTrack = 0.35;
    ins.XtkSide = 2;
    ins.DesiredTrack = 95;
    ins.StatusCode = 4;
    SharedTransfer->TkeReference = 90;

    HostVariable tick{1, 0, 0, 0.0, 0.0};
    for (int second = 0; second < seconds; ++second) {
        ins.DistanceToGo = 15.5 - 0.125 * second; // 450 knots
        ins.PresentLat = 49.5 + second / 600.0;
        ins.PresentLon = 11.25 + second / 600.0;
        tick.Value = 18.0 * second;
        ModeKnobCallback(&tick);
        PrintDisplays(second);
    }
    return 0;
}
