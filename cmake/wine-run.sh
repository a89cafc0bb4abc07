#!/bin/sh
# Runs a Windows program under wine, quietly and in the project's own wine prefix.
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEPREFIX="${WINEPREFIX:-${HOME:-/tmp}/.cache/veldra-wine}"
mkdir -p "$(dirname "$WINEPREFIX")"
exec wine "$@"
