#!/usr/bin/env bash
# Prints the deb-src entry (deb822) that the cross-built Windows libraries'
# source packages are fetched through: the machine's own Debian entries of its
# release (suites CODENAME, CODENAME-updates and CODENAME-security) mirrored, with their URIs, suites,
# components and Signed-By, so that a machine using a local mirror keeps using
# it. Other vendors' entries and disabled ones are left out.
#   scripts/debian-sources.sh [--existing] [APT_DIR]
# --existing prints the deb-src entries of those suites the machine already
# has, other than the one the set-up writes (pirogram-src.sources), instead.
# APT_DIR defaults to /etc/apt (sources.list, sources.list.d/*.list and
# *.sources); the release's code name comes from PG_OS_RELEASE (default
# /etc/os-release). Exit status 1, with the reason: no Debian entry is configured.
set -euo pipefail
type=deb
if [ "${1:-}" = --existing ]; then type=deb-src; shift; fi
apt_dir=${1:-/etc/apt}
os_release=${PG_OS_RELEASE:-/etc/os-release}
codename=$(sed -n 's/^VERSION_CODENAME=//p' "$os_release" 2>/dev/null | tr -d '"' | head -n 1)
if [ -z "$codename" ]; then
  echo "no VERSION_CODENAME in $os_release: cannot tell this release's Debian entries" >&2
  exit 1
fi
one_line=()
deb822=()
[ -f "$apt_dir/sources.list" ] && one_line+=("$apt_dir/sources.list")
for f in "$apt_dir"/sources.list.d/*.list; do [ -f "$f" ] && one_line+=("$f"); done
for f in "$apt_dir"/sources.list.d/*.sources; do
  [ -f "$f" ] && [ "$(basename "$f")" != pirogram-src.sources ] && deb822+=("$f")
done

entry=$(awk -v codename="$codename" -v type="$type" -v deb822_from=${#one_line[@]} '
  # One "deb" line or stanza for each URI and suite; the suites a default
  # installation takes its packages from (not backports).
  function add(uri, suite, components, signed,   key) {
    if (suite != codename && suite != codename "-updates" && suite != codename "-security") return
    sub(/\/+$/, "", uri)
    key = uri SUBSEP components SUBSEP signed
    if (!(key in suites)) { order[++n] = key; suites[key] = suite }
    else if ((" " suites[key] " ") !~ (" " suite " ")) suites[key] = suites[key] " " suite
  }
  function stanza_end(   i, u, s, nu, ns, us, ss) {
    if ((" " field["types"] " ") ~ (" " type " ") && tolower(field["enabled"]) != "no") {
      nu = split(field["uris"], us, /[ \t]+/)
      ns = split(field["suites"], ss, /[ \t]+/)
      for (u = 1; u <= nu; u++) for (s = 1; s <= ns; s++) if (us[u] != "" && ss[s] != "")
        add(us[u], ss[s], field["components"], field["signed-by"])
    }
    delete field
    last = ""
  }
  FNR == 1 { if (NR > 1 && deb822) stanza_end(); deb822 = (++files > deb822_from) }
  # The one-line format: deb [ options ] URI SUITE COMPONENT...
  !deb822 {
    sub(/#.*/, "")
    if ($1 != type) next
    signed = ""; i = 2
    if ($2 ~ /^\[/) {
      for (; i <= NF; i++) {
        opt = $i; gsub(/[\[\]]/, "", opt)
        if (opt ~ /^signed-by=/) { sub(/^signed-by=/, "", opt); signed = opt }
        if ($i ~ /\]$/) { i++; break }
      }
    }
    components = ""
    for (j = i + 2; j <= NF; j++) components = components (components == "" ? "" : " ") $j
    add($i, $(i + 1), components, signed)
    next
  }
  # deb822: "Field: value" lines, indented continuation lines, stanzas apart.
  /^#/ { next }
  /^[ \t]*$/ { stanza_end(); next }
  /^[ \t]/ { if (last != "") field[last] = field[last] "\n" $0; next }
  {
    name = tolower($0); sub(/:.*/, "", name)
    value = $0; sub(/^[^:]*:[ \t]*/, "", value); sub(/[ \t]+$/, "", value)
    field[name] = value; last = name
  }
  END {
    if (deb822) stanza_end()
    for (k = 1; k <= n; k++) {
      split(order[k], part, SUBSEP)
      if (k > 1) print ""
      print "Types: deb-src"
      print "URIs: " part[1]
      print "Suites: " suites[order[k]]
      print "Components: " part[2]
      if (part[3] != "") print "Signed-By: " part[3]
    }
  }' "${one_line[@]}" "${deb822[@]}" </dev/null)
if [ -z "$entry" ]; then
  [ $type = deb-src ] && exit 1
  echo "no Debian entry for $codename in $apt_dir/sources.list or $apt_dir/sources.list.d/" >&2
  exit 1
fi
echo "$entry"
