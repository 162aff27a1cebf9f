#!/usr/bin/env bash
# Runs a Windows program under Wine with the project's own prefix: 32-bit Wine
# and build/wineprefix by default, 64-bit Wine and build/wineprefix64 with
# PG_WINE_ARCH=win64 (scripts/wine64-run.sh). Each kind has a prefix of its own.
# Needs a display for programs that open windows: dev.sh starts Xvfb.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if [ "${PG_WINE_ARCH:-win32}" = win64 ]; then
  export WINEPREFIX=${WINEPREFIX64:-$here/build/wineprefix64}
  export WINEARCH=win64
  # /usr/bin/wine picks the 32-bit loader whenever wine32 is installed.
  wine=/usr/lib/wine/wine64
  export WINELOADER=$wine WINESERVER=/usr/lib/wine/wineserver64
else
  export WINEPREFIX=${WINEPREFIX:-$here/build/wineprefix}
  export WINEARCH=win32
  wine=wine
fi
server=${WINESERVER:-wineserver}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  "$wine" wineboot -i >/dev/null 2>&1 || true
  "$server" -w || true
fi
# The prefix as the module's users have it, set once:
# - windows are shown on a desktop of Wine's own: with no window manager on the
#   display, hiding or destroying a shown top-level window otherwise waits
#   seconds for one, and editors are shown windows;
# - the Windows core font names exist (as their metric twins, the same the
#   portable platform uses), so the font dialog lists and returns them.
if [ ! -f "$WINEPREFIX/.pg-user-setup" ]; then
  reg="$WINEPREFIX/drive_c/pg-user-setup.reg"
  cat > "$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1280x1024"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"MS Sans Serif"="Liberation Sans"
"Tahoma"="Liberation Sans"
"Verdana"="Liberation Sans"
"Times New Roman"="Liberation Serif"
"Courier New"="Liberation Mono"
REG
  "$wine" regedit /S 'C:\pg-user-setup.reg' >/dev/null 2>&1 || true
  "$server" -w || true
  rm -f "$reg"
  touch "$WINEPREFIX/.pg-user-setup"
fi
# The module's users run a Cyrillic Windows: its default character set is code
# page 1251. Wine takes the system code page from the locale's name each
# program starts in (env keeps the shell from trying to load a locale that
# need not be installed); PG_WINE_LOCALE runs it in another one: C gives code
# page 1252, ja_JP.UTF-8 932. One prefix and one running wineserver serve
# every code page: each Windows program reads its own at start. Non-ASCII file
# names also need the locale itself, for Wine's UTF-8 names on Linux: it is
# built once into the build tree from the system's locale sources.
locale_name=${PG_WINE_LOCALE:-ru_RU.UTF-8}
locales=$here/build/locale
source_name=${locale_name%%.*}
if [ "$locale_name" != C ] && [ "$locale_name" != POSIX ] && [ ! -f "$locales/.built-$locale_name" ] \
    && [ -f "/usr/share/i18n/locales/$source_name" ]; then
  # Tests run in parallel: one builds it, the others wait for it.
  mkdir -p "$locales"
  flock "$locales/.lock" sh -c '[ -f "$1/.built-$2" ] || { localedef -i "$3" -f UTF-8 "$1/$2"; touch "$1/.built-$2"; }' \
    _ "$locales" "$locale_name" "$source_name" >/dev/null 2>&1 || true
fi
[ -d "$locales" ] && export LOCPATH=$locales
exec env LC_ALL="$locale_name" "$wine" "$@"
