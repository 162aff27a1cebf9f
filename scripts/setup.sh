#!/usr/bin/env bash
# Installs everything the builds and tests need on a Debian 12 machine, as root.
# A second run installs nothing new: it only checks.
set -euo pipefail

PACKAGES=(
  cmake ninja-build pkg-config g++ dpkg-dev
  g++-mingw-w64-i686 mingw-w64-i686-dev g++-mingw-w64-x86-64 mingw-w64-x86-64-dev
  libcairo2-dev libfontconfig-dev libfreetype-dev libjpeg62-turbo-dev libpng-dev
  fonts-liberation fonts-dejavu-core
  libgtest-dev googletest libbenchmark-dev python3-matplotlib
  wine wine64 xvfb xauth x11-utils python3 python3-pil
  clang libclang-rt-14-dev llvm-14
  valgrind locales
  zip unzip chromium
  imagemagick icoutils libjpeg-turbo-progs poppler-utils
  lintian man-db
  inkscape openclipart-svg
)
# 32-bit Wine only where the kernel runs 32-bit programs: elsewhere its i386
# packages cannot even run their own install steps.
if "$(dirname "$0")/probe-32bit.sh" >/dev/null; then
  PACKAGES+=(wine32:i386)
fi

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done

need_src=0
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
  need_src=1
fi

if [ ${#missing[@]} -eq 0 ] && [ $need_src -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "setup: missing packages (${missing[*]}); run as root to install them" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
if [[ " ${PACKAGES[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
if [ $need_src -eq 1 ]; then
  # The cross-built libjpeg comes from Debian's source package.
  cat > /etc/apt/sources.list.d/pirogram-src.sources <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
fi
# Unreachable third-party entries make update complain; the Debian lists still load.
apt-get update -qq || true
if [ ${#missing[@]} -gt 0 ]; then
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
