#!/usr/bin/env python3
"""Writes a release's THIRD-PARTY-NOTICES.txt from what its binaries carry, and
fails when they carry a library the notices would leave out.

  scripts/notices.py --list LIST --build BUILD --title TITLE --out FILE
                     [--system] [--packages FILE] BINARY...

What a binary carries is read from its link map (BINARY.map, written by the
linker): every archive it pulled members from, outside BUILD, must be covered by
a line of LIST (see packaging/notices/windows.list for its format). The texts
a library leaves in a binary (banners, version strings) are checked too: each
must belong to a linked library, at the version its notice names.

Each notice is the copyright file of the very package the library came from:
for libraries built from Debian's source packages by scripts/deps-win32.sh,
the debian/copyright it recorded in the prefix (BUILD's PG_WIN32_DEPS); for
the toolchain's archives, /usr/share/doc/PACKAGE/copyright of the Debian
package that holds them.

--system adds the shared libraries the binaries load at run time and the
Debian packages that hold them; --packages writes those as "LIBRARY PACKAGE"
lines for the README.
"""
import argparse
import fnmatch
import os
import re
import subprocess
import sys
import tempfile

RULE = "=" * 78
THIN = "-" * 78


class Failure(Exception):
    pass


def parse_list(path):
    """The LIST lines: dicts with name, archives, kind, packages, strings, statement."""
    entries = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            cols = [c.strip() for c in re.split(r" \|(?= |$)", line.rstrip())]
            cols += [""] * (5 - len(cols))
            if len(cols) != 5 or not cols[0] or not cols[1] or not cols[2]:
                raise Failure(f"{path}:{number}: want NAME | ARCHIVES | NOTICE | STRINGS | STATEMENT")
            kind, _, rest = cols[2].partition(" ")
            if kind not in ("source", "package") or (kind == "source" and not rest.strip()):
                raise Failure(f"{path}:{number}: the notice is \"source PKG\" or \"package PATTERN...\"")
            entries.append({
                "name": cols[0], "archives": cols[1].split(), "kind": kind,
                "packages": rest.split() or ["*"],
                "strings": re.compile(cols[3]) if cols[3] else None,
                "statement": cols[4], "linked": {}, "line": number,
            })
    return entries


def map_archives(binary):
    """The archives the linker pulled members from, as it names them."""
    path = binary + ".map"
    if not os.path.isfile(path):
        raise Failure(f"no link map {path}; rebuild the tree (the linker writes it)")
    archives = set()
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            if line.startswith(("Discarded input sections", "Memory Configuration")):
                break
            m = re.match(r"(\S+\.a)\(", line)
            if m:
                archives.add(m.group(1))
    return archives


_owners = {}


def owner(path):
    """The Debian package holding a file (by its path or its real path), or None."""
    if path not in _owners:
        _owners[path] = None
        for p in dict.fromkeys((path, os.path.realpath(path))):
            r = subprocess.run(["dpkg", "-S", p], capture_output=True, text=True)
            if r.returncode == 0 and r.stdout:
                _owners[path] = r.stdout.splitlines()[0].split(":")[0]
                break
    return _owners[path]


def package_version(package):
    r = subprocess.run(["dpkg-query", "-W", "-f=${Version}", package], capture_output=True, text=True)
    return r.stdout.strip() if r.returncode == 0 else ""


def upstream(version):
    """1:1.2.13.dfsg-1 -> 1.2.13.dfsg"""
    version = re.sub(r"^\d+:", "", version)
    return version.rsplit("-", 1)[0] if "-" in version else version


def read_text(path):
    with open(path, "rb") as f:
        data = f.read()
    try:
        return data.decode("utf-8")
    except UnicodeDecodeError:
        return data.decode("latin-1")


def cache_value(build, key):
    with open(os.path.join(build, "CMakeCache.txt"), encoding="utf-8") as f:
        for line in f:
            if line.startswith(key + ":"):
                return line.split("=", 1)[1].strip()
    return ""


def covers(entry, archive, deps):
    """The notice source (copyright path, package, version) when the entry covers the archive."""
    real = os.path.realpath(archive)
    if not any(fnmatch.fnmatch(archive, p) or fnmatch.fnmatch(real, p) for p in entry["archives"]):
        return None
    if entry["kind"] == "source":
        package = entry["packages"][0]
        if not deps or not real.startswith(os.path.realpath(deps) + os.sep):
            return None
        record = os.path.join(deps, "notices", package)
        copyright_file = os.path.join(record, "copyright")
        version_file = os.path.join(record, "version")
        if not os.path.isfile(copyright_file) or not os.path.isfile(version_file):
            raise Failure(f"{archive} was built from {package}, but {record} holds no copyright and "
                          "version; run scripts/deps-win32.sh again (it records them)")
        with open(version_file, encoding="utf-8") as f:
            return copyright_file, f"built from Debian's source package {package}", f.read().strip()
    package = owner(archive)
    if not package or not any(fnmatch.fnmatch(package, p) for p in entry["packages"]):
        return None
    copyright_file = f"/usr/share/doc/{package}/copyright"
    if not os.path.isfile(copyright_file):
        raise Failure(f"{archive} comes from {package}, which has no {copyright_file}")
    return copyright_file, f"from Debian's package {package}", package_version(package)


def printable_strings(binary):
    """The texts of the binary as shipped: without its debugging data (whose
    names of a library's enumerators are no part of what is distributed)."""
    with tempfile.TemporaryDirectory() as tmp:
        stripped = os.path.join(tmp, "stripped")
        subprocess.run(["objcopy", "--strip-debug", binary, stripped], check=True)
        with open(stripped, "rb") as f:
            data = f.read()
    return [m.group().decode("ascii") for m in re.finditer(rb"[\x20-\x7e]{6,}", data)]


BANNER = re.compile(r"copyright|\(c\) *(19|20)\d\d", re.IGNORECASE)


def check_strings(binaries, entries, list_path):
    """Every banner belongs to a linked library; every version string matches its notice."""
    for binary in binaries:
        name = os.path.basename(binary)
        for text in printable_strings(binary):
            owners = [e for e in entries if e["strings"] and e["strings"].search(text)]
            if not owners:
                if BANNER.search(text):
                    raise Failure(f"{name} carries \"{text.strip()}\", which no line of {list_path} "
                                  "accounts for: add the library it comes from")
                continue
            for e in owners:
                if not e["linked"]:
                    raise Failure(f"{name} carries \"{text.strip()}\" of {e['name']}, but its link maps "
                                  "show no archive of it")
                m = e["strings"].search(text)
                found = next((g for g in m.groups() if g), None)
                if found:
                    versions = {upstream(v) for _, _, v in e["linked"].values()}
                    if not any(v == found or v.startswith(found + ".") or v.startswith(found + "+")
                               for v in versions):
                        raise Failure(f"{name} carries {e['name']} {found}, but its notice is of "
                                      f"{', '.join(sorted(versions))}")


def system_libraries(binaries):
    """(library, package, version) for each shared library the binaries load from the system."""
    own = {os.path.basename(b) for b in binaries}
    needed = set()
    for b in binaries:
        out = subprocess.run(["readelf", "-d", b], capture_output=True, text=True, check=True).stdout
        needed.update(re.findall(r"\(NEEDED\).*\[(.*)\]", out))
    cache = subprocess.run(["ldconfig", "-p"], capture_output=True, text=True, check=True).stdout
    found = []
    for lib in sorted(needed - own):
        m = re.search(r"^\s*" + re.escape(lib) + r" \(.*x86-64.*\) => (\S+)$", cache, re.MULTILINE)
        package = owner(m.group(1)) if m else None
        if not package:
            raise Failure(f"no Debian package holds {lib}, which the binaries need")
        found.append((lib, package, package_version(package)))
    return found


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--list", required=True)
    ap.add_argument("--build", required=True)
    ap.add_argument("--title", required=True)
    ap.add_argument("--out", required=True)
    ap.add_argument("--system", action="store_true")
    ap.add_argument("--packages")
    ap.add_argument("binaries", nargs="+")
    args = ap.parse_args()
    build = os.path.realpath(args.build)
    deps = cache_value(build, "PG_WIN32_DEPS")
    entries = parse_list(args.list)

    for binary in args.binaries:
        for archive in sorted(map_archives(binary)):
            path = archive if os.path.isabs(archive) else os.path.join(build, archive)
            if os.path.realpath(path).startswith(build + os.sep):
                continue  # the project's own layers
            source = None
            for e in entries:
                source = covers(e, path, deps)
                if source:
                    e["linked"].setdefault(os.path.basename(path), source)
                    break
            if not source:
                package = owner(path)
                raise Failure(f"{os.path.basename(binary)} links {path}"
                              f"{f' (Debian package {package})' if package else ''}, which no line of "
                              f"{args.list} covers: add one naming the library and its notice")
    check_strings(args.binaries, entries, args.list)

    linked = [e for e in entries if e["linked"]]
    system = system_libraries(args.binaries) if args.system else []
    out = [args.title, ""]
    if linked:
        out += ["The binaries carry these libraries inside them. Each notice below is the",
                "copyright file of the Debian package the library was built or linked from.", ""]
        for e in linked:
            out.append(f"  {e['name']}, " + ", ".join(sorted({v for _, _, v in e["linked"].values()})))
        out.append("")
    else:
        out += ["The binaries carry no third-party code inside them.", ""]
    if system:
        out += ["At run time they load these libraries of the system, from these Debian",
                "packages (their licences come with them, in /usr/share/doc/PACKAGE/copyright):", ""]
        out += [f"  {lib:<22} {package} {version}" for lib, package, version in system]
        out += ["", "The fonts are the system's too and are not shipped.", ""]
    printed = {}  # a copyright file shared by packages (one source) is printed once
    for e in linked:
        out += [RULE, e["name"], RULE]
        if e["statement"]:
            out += ["", e["statement"]]
        by_file = {}
        for archive, (copyright_file, package, version) in sorted(e["linked"].items()):
            by_file.setdefault(os.path.realpath(copyright_file), []).append((archive, package, version))
        for real, used in by_file.items():
            out.append("")
            for archive, package, version in used:
                out.append(f"{archive}: {package}, version {version}")
            if real in printed:
                out.append(f"Its copyright file is the one printed under {printed[real]} above.")
                continue
            printed[real] = e["name"]
            out += ["Its copyright file:", THIN]
            out += read_text(real).rstrip("\n").split("\n")
            out.append(THIN)
        out.append("")
    with open(args.out, "w", encoding="utf-8") as f:
        f.write("\n".join(out).rstrip("\n") + "\n")
    if args.packages:
        with open(args.packages, "w", encoding="utf-8") as f:
            f.writelines(f"{lib} {package}\n" for lib, package, _ in system)


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print(f"notices: {failure}", file=sys.stderr)
        sys.exit(1)
