#!/usr/bin/env bash
# Builds every target (native, native-asan, windows) and runs all their tests.
set -uo pipefail
cd "$(dirname "$0")"

cmake/install-packages.sh build || { echo "test.sh: installing packages failed" >&2; exit 1; }

failed=()
for preset in native native-asan windows; do
    echo "=== $preset: configure and build"
    if ! cmake --preset "$preset" >/dev/null || ! cmake --build --preset "$preset"; then
        failed+=("$preset (build)")
        continue
    fi
    if [[ "$preset" == windows ]]; then
        # Make the wine prefix once, before tests start wine two at a time.
        cmake/wine-run.sh wineboot --init >/dev/null 2>&1 || true
    fi
    echo "=== $preset: test"
    ctest --preset "$preset" -j2 || failed+=("$preset (tests)")
done

if [[ ${#failed[@]} -gt 0 ]]; then
    echo "test.sh: FAILED: ${failed[*]}" >&2
    exit 1
fi
echo "test.sh: all presets built and passed"
