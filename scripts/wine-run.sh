#!/usr/bin/env bash
# Runs a Windows program under 32-bit Wine with the project's own prefix.
# Needs a display for programs that open windows: dev.sh starts Xvfb.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/build/wineprefix}
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w || true
fi
# The module's users run a Cyrillic Windows: its default character set is code
# page 1251. Wine takes the system code page from the locale's name (env keeps
# the shell from trying to load a locale that need not be installed).
exec env LC_ALL=ru_RU.UTF-8 wine "$@"
