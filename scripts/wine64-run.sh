#!/usr/bin/env bash
# Runs a 64-bit Windows program under 64-bit Wine with the project's 64-bit prefix.
PG_WINE_ARCH=win64 exec "$(dirname "$0")/wine-run.sh" "$@"
