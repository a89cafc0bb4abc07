#!/usr/bin/env bash
# The main job. For now: the navigation cycle demonstration, a simulated second at a time.
set -euo pipefail
cd "$(dirname "$0")"
cmake/install-packages.sh run
cmake --preset native >/dev/null
cmake --build --preset native --target navdemo
exec build/native/bin/navdemo "${@:-8}"
