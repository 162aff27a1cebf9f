#!/usr/bin/env bash
# THIRD-PARTY-NOTICES.txt of the Linux tarball and package: the system
# libraries the native build's binaries load, by their Debian packages, and the
# notices of anything linked into them (packaging/notices/linux.list).
#   scripts/linux-notices.sh NATIVE_BUILD VERSION OUT [PACKAGES_OUT]
# PACKAGES_OUT receives "LIBRARY PACKAGE" lines for the README.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
native=$1
bin=$native/bin
exec python3 "$root/scripts/notices.py" --list "$root/packaging/notices/linux.list" --build "$native" \
  --title "Pirogram $2 for Linux x86-64: third-party notices" --system --out "$3" \
  ${4:+--packages "$4"} "$bin/pirogram-host" "$bin/Pirogram.so" "$bin/libpgplatform.so"
