#!/usr/bin/env bash
# One process (the bench running VELDRA) inserts a waypoint; other processes see it through
# the named shared block "TORV_VELDRA". Usage: shared_across_processes.sh BIN_DIR GAUGES_DIR
#   SCENARIO [RUNNER]; RUNNER is the emulator for Windows programs (wine), empty natively.
set -euo pipefail
bin=$1 gauges=$2 scenario=$3 runner=${4:-}
exe=""
[[ -n "$runner" ]] && exe=".exe"
run() { if [[ -n "$runner" ]]; then "$runner" "$@"; else "$@"; fi; }

work=$(mktemp -d)
holder=""
cleanup() {
    [[ -n "$holder" ]] && kill "$holder" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

if [[ -z "$runner" ]]; then
    # POSIX blocks outlive their processes: start from a fresh one.
    rm -f /dev/shm/TORV_VELDRA /dev/shm/insxferx
else
    # Win32 blocks vanish with their last handle: a third process holds them meanwhile.
    run "$bin/insprobe$exe" hold 20 >/dev/null 2>&1 &
    holder=$!
    sleep 2
fi

cd "$work"
run "$bin/gaugebench$exe" --headless --gauge "$gauges/VELDRA.gau" --scenario "$scenario" \
    --seconds 2 >/dev/null

lat=$(run "$bin/insprobe$exe" get 'WptLat[3]' 'WptNorth[3]' WptIndex | tr -d '\r' | tr '\n' ' ')
echo "seen by another process: WptLat[3] WptNorth[3] WptIndex = $lat"
[[ "$lat" == "45.204999999999998 1 3 " || "$lat" == "45.205000000000005 1 3 " ]] || {
    echo "FAILED: expected waypoint 3 at 45.205 north" >&2
    exit 1
}
echo "1 passed, 0 failed"
