#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, skipping those already there.
# Usage: cmake/install-packages.sh [build|run]
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev googletest libbenchmark-dev
          libsdl2-dev libstb-dev libcli11-dev)
if [[ "${1:-build}" == build ]]; then
    packages+=(mingw-w64 g++-mingw-w64-i686-posix wine wine32:i386 xvfb xauth)
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
if printf '%s\n' "${missing[@]}" | grep -q ':i386$' &&
   ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
