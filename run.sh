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

scenario=build/native/run-scenario.txt
cat > "$scenario" <<'SCENARIO'
# Sway the ball and turn through north-east.
0 ramp 0x45 -40 40 2
2 ramp 0x45 40 -40 2
0 ramp 0x51 0 90 4
SCENARIO

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    exec build/native/bin/gaugebench --zoom 3 --scenario "$scenario"
fi
png=build/native/gaugebench.png
build/native/bin/gaugebench --headless --seconds 4 --scenario "$scenario" --png "$png"
echo "No display: rendered 4 simulated seconds headless; last frame in $png"
