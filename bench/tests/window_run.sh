#!/usr/bin/env bash
# The window front end under a virtual X server: it opens, draws, takes a scripted click (sent
# as a mouse event on the zoomed window), and closes cleanly through its quit path.
# Usage: window_run.sh GAUGEBENCH PROBE_MODULE
set -euo pipefail
bench=$1 probe=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '0 click 15 5\n2t click 5 15\n4t quit\n' > "$work/clicks.scenario"
# The X and D-Bus client libraries keep allocations past exit that LeakSanitizer reports from
# frames it cannot name; address errors are still fatal.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 640x480x24" \
    "$bench" --gauge "$probe" --zoom 3 --trace --scenario "$work/clicks.scenario" \
    --png "$work/last.png" > "$work/trace.txt"
# The click at tick 0 lands in area 1 (picture 1 from tick 1), the one at tick 2 in area 3.
grep -q "^tick 1 gauge 1 element 1 icon 1 picture 4103$" "$work/trace.txt"
grep -q "^tick 3 gauge 1 element 1 icon 3 picture 4109$" "$work/trace.txt"
[[ -s "$work/last.png" ]]
echo "1 passed, 0 failed"
