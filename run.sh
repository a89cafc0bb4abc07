#!/usr/bin/env bash
# Builds the native gauges and the bench, then shows the default panel: in a window where a
# display exists, otherwise headless for a few simulated seconds, writing a PNG.
set -euo pipefail
cd "$(dirname "$0")"

cmake/install-packages.sh run
cmake --preset native >/dev/null
cmake --build --preset native --target gaugebench
for target in ball_gauge skytape_gauge veldra_gauge click_sound; do
    if cmake --build --preset native --target help | grep -q "^${target}:"; then
        cmake --build --preset native --target "$target"
    fi
done

# A navigation source and a crew: two waypoints and a leg keyed in, GS, TIME and ALERT alive.
scenario=bench/scenarios/veldra-demo.scenario

# VELDRA reads ".\Sound\TORV_Click1.wav" relative to the working directory: run from bin/.
cd build/native/bin
if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    exec ./gaugebench --zoom 2 --scenario "../../../$scenario"
fi
# Headless there is nobody to hear the clicks: no audio device is opened.
SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" ./gaugebench --headless --seconds 21 --scenario "../../../$scenario" --png ../gaugebench.png \
    --frames ../frames
echo "No display: ran 21 simulated seconds headless."
echo "Last frame: build/native/gaugebench.png; one frame a second in build/native/frames/"
