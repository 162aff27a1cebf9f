#!/usr/bin/env bash
# Says whether 32-bit Windows programs run here: the kernel executes 32-bit code
# (scripts/probe-32bit.sh) and 32-bit Wine is installed. dev.sh takes the 64-bit
# path otherwise, and prints the reason.
#   exit 0: they run
#   exit 1: they do not; the reason is printed on standard output (the set-up's
#           own, from build/wine32-left-out.txt, when it could not install Wine)
set -u
here=$(cd "$(dirname "$0")" && pwd)
reason=$("$here/probe-32bit.sh") || { echo "$reason"; exit 1; }
if ! dpkg-query -W -f='${Status}\n' wine32:i386 2>/dev/null | grep -q '^install ok installed$'; then
  note=$(cat "$here/../build/wine32-left-out.txt" 2>/dev/null || true)
  echo "32-bit Wine is not installed (${note:-the set-up did not install it})"
  exit 1
fi
exit 0
