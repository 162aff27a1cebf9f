#!/usr/bin/env bash
# Installs everything the builds and tests need on a Debian 12 machine, as root.
# A second run installs nothing new: it only checks.
#
# Everything is required except 32-bit Wine: a package that cannot be installed
# stops the set-up with apt's own message. 32-bit Wine is only tried where the
# kernel runs 32-bit programs (scripts/probe-32bit.sh); when it cannot be
# installed (say the archive's i386 index is mid-sync), one line says why, the
# reason goes to build/wine32-left-out.txt and the 64-bit Windows build takes
# its place (scripts/runs-32bit.sh decides that for dev.sh).
#
# The deb-src entry for the cross-built libraries' source packages mirrors the
# machine's own Debian entries (scripts/debian-sources.sh), so that a local
# mirror keeps being used.
#
# For trying it elsewhere: PG_APT_DIR (default /etc/apt) is where the sources
# are read and the entry written; PG_WINE32_FAIL=1 makes the 32-bit Wine
# install count as failed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
apt_dir=${PG_APT_DIR:-/etc/apt}
left_out=$here/../build/wine32-left-out.txt

PACKAGES=(
  cmake ninja-build pkg-config g++ dpkg-dev
  g++-mingw-w64-i686 mingw-w64-i686-dev g++-mingw-w64-x86-64 mingw-w64-x86-64-dev
  libcairo2-dev libfontconfig-dev libfreetype-dev libjpeg62-turbo-dev libpng-dev
  fonts-liberation fonts-dejavu-core
  libgtest-dev googletest libbenchmark-dev python3-matplotlib
  wine wine64 xvfb xauth x11-utils python3 python3-pil
  clang libclang-rt-14-dev llvm-14
  valgrind locales
  zip unzip chromium libxml2-utils
  imagemagick icoutils libjpeg-turbo-progs poppler-utils
  lintian man-db
  inkscape openclipart-svg
)
WINE32=wine32:i386

installed() { dpkg-query -W -f='${Status}\n' "$1" 2>/dev/null | grep -q '^install ok installed$'; }

missing=()
for p in "${PACKAGES[@]}"; do
  installed "$p" || missing+=("$p")
done
# 32-bit Wine only where the kernel runs 32-bit programs: elsewhere its i386
# packages cannot even run their own install steps.
want32=0
if "$here/probe-32bit.sh" >/dev/null && ! installed "$WINE32"; then
  want32=1
fi

# The deb-src entry: ours is rewritten when the machine's Debian entries have
# changed; another deb-src entry of the machine's own is left to do the job.
src_file=$apt_dir/sources.list.d/pirogram-src.sources
src_entry=""
if [ -f "$src_file" ] || ! "$here/debian-sources.sh" --existing "$apt_dir" >/dev/null 2>&1; then
  if ! src_entry=$("$here/debian-sources.sh" "$apt_dir"); then
    echo "setup: cannot write a deb-src entry for the Windows libraries' sources (reason above)" >&2
    exit 1
  fi
  if [ -f "$src_file" ] && [ "$(cat "$src_file")" = "$src_entry" ]; then
    src_entry=""
  fi
fi

if [ ${#missing[@]} -eq 0 ] && [ -z "$src_entry" ] && [ $want32 -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  if [ ${#missing[@]} -gt 0 ] || [ -n "$src_entry" ]; then
    echo "setup: missing packages (${missing[*]:-none}$([ -z "$src_entry" ] || echo "; the deb-src entry")); run as root to install them" >&2
    exit 1
  fi
  echo "setup: 32-bit Wine is not installed (run as root to install it); the 64-bit Windows build is used instead" >&2
  exit 0
fi

export DEBIAN_FRONTEND=noninteractive
if [ $want32 -eq 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
if [ -n "$src_entry" ]; then
  echo "$src_entry" >"$src_file"
fi

# An index that fails to download (an archive mid-sync, a flaky network) gets a
# second try. What still fails after it is left to the installs below: apt then
# says which package it cannot find. Unreachable third-party entries land here too.
update_log=$(mktemp)
trap 'rm -f "$update_log"' EXIT
index_errors() { ! apt-get update -qq >"$update_log" 2>&1 || grep -qE '^(E|Err|W: Failed to fetch)' "$update_log"; }
if index_errors; then
  echo "setup: apt-get update reported index errors; trying once more" >&2
  sleep 5
  if index_errors; then
    sed 's/^/setup: apt-get update: /' "$update_log" >&2
  fi
fi

if [ ${#missing[@]} -gt 0 ]; then
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ $want32 -eq 1 ]; then
  install_log=$(mktemp)
  reason=""
  if [ "${PG_WINE32_FAIL:-0}" = 1 ]; then
    reason="PG_WINE32_FAIL=1 is set"
  elif ! apt-get install -y -qq --no-install-recommends "$WINE32" >"$install_log" 2>&1; then
    reason=$(grep '^E:' "$install_log" | tail -n 1)
    reason=${reason:-apt-get install $WINE32 failed}
  fi
  rm -f "$install_log"
  mkdir -p "$(dirname "$left_out")"
  if [ -n "$reason" ]; then
    echo "$reason" >"$left_out"
    echo "setup: 32-bit Wine left out ($reason); the 64-bit Windows build runs under 64-bit Wine instead" >&2
  else
    rm -f "$left_out"
  fi
fi
