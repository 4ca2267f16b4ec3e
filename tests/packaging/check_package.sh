#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
# Checks the built Debian package: its files, the one application id in them, the computed dependencies, the
# command line of its program, its machine-readable copyright file, and Debian's own checkers: lintian (no errors
# or warnings), desktop-file-validate and appstreamcli validate. Skipped (exit 77) until `make deb` has built the package.
# Usage: check_package.sh PACKAGE-PREFIX VERSION APP-ID   (the package is PACKAGE-PREFIX<arch>.deb)
set -u
prefix=$1 version=$2 id=$3
deb=$(ls "$prefix"*.deb 2>/dev/null | head -n1)
[ -n "$deb" ] || { echo "package: no package built yet (make deb)"; exit 77; }
echo "package: $deb"
root=$(mktemp -d "${TMPDIR:-/tmp}/ixo-package.XXXXXX")
trap 'rm -rf "$root"' EXIT
passed=0 failed=0
check() {
    local name=$1
    shift
    if "$@"; then echo "PASS: $name"; passed=$((passed + 1)); else echo "FAIL: $name"; failed=$((failed + 1)); fi
}
dpkg-deb -x "$deb" "$root"

share="$root/usr/share"
files=(usr/bin/ixo usr/share/ixo/ding.wav usr/share/ixo/didi.snd usr/share/ixo/air.mid usr/share/ixo/help/achelp.html
       "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml"
       "usr/share/icons/hicolor/scalable/apps/$id.svg" "usr/share/icons/hicolor/48x48/apps/$id.png"
       usr/share/man/man1/ixo.1.gz usr/share/doc/ixo/copyright usr/share/doc/ixo/changelog.gz
       usr/share/doc/ixo/README.Debian usr/libexec/ixo/ixo-wake)
missing() { local f; for f in "${files[@]}"; do [ -f "$root/$f" ] || echo "$f"; done; }
check "the package holds the program, its data and its desktop files" test -z "$(missing)"
png_size() { /usr/bin/python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print(*struct.unpack(">II", d[16:24]))' "$1"; }
check "the PNG icon is 48x48" test "$(png_size "$share/icons/hicolor/48x48/apps/$id.png")" = "48 48"
check "the desktop entry names the icon by the id" grep -qx "Icon=$id" "$share/applications/$id.desktop"
check "the metadata carries the id and launches the desktop entry" \
    grep -q "<id>$id</id>.*<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    <(tr -d '\n' <"$share/metainfo/$id.metainfo.xml")
check "the metadata's release is the version" grep -q "<release version=\"$version\"" "$share/metainfo/$id.metainfo.xml"
check "the package's version is the version" test "$(dpkg-deb -f "$deb" Version)" = "$version"
depends=$(dpkg-deb -f "$deb" Depends)
echo "package: Depends: $depends"
computed() { [[ $depends == *libqt6widgets6* && $depends == *libsdl2-mixer* && $depends == *libc6* ]]; }
check "the libraries are computed dependencies" computed
check "the sound font is a dependency" grep -q 'timgm6mb-soundfont | sf2-soundfont-gm' <<<"$depends"
check "setcap's package is a dependency" grep -qw 'libcap2-bin' <<<"$depends"
# The postinst run on the unpacked root as on an installed one (setcap needs root; skipped without).
dpkg-deb -e "$deb" "$root/DEBIAN" && helper="$root/usr/libexec/ixo/ixo-wake"
[ "$(id -u)" -eq 0 ] && sed "s|/usr/libexec/|$root/usr/libexec/|g" "$root/DEBIAN/postinst" | sh -s configure &&
    check "the postinst gives the wake helper cap_wake_alarm (getcap)" test "$(getcap "$helper")" = "$helper cap_wake_alarm=ep"

# The packaged program runs, with no display needed (its other options: the command_line test of the build).
out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/ixo" --version); status=$?
check "ixo --version prints the version" test "$status:$out" = "0:Ixo $version"

# Machine-readable (DEP-5), with the text of every licence its Files paragraphs name.
dep5() { /usr/bin/python3 -c 'import sys, debian.copyright as c; d = c.Copyright(open(sys.argv[1]), strict=True)
textless = {p.license.synopsis for p in d.all_files_paragraphs()} - {p.license.synopsis for p in d.all_license_paragraphs()}
sys.exit(f"copyright: no text of {sorted(textless)}" if textless else 0)' "$1"; }
check "the copyright file is machine-readable and complete" dep5 "$share/doc/ixo/copyright"
check "desktop-file-validate" desktop-file-validate "$share/applications/$id.desktop"
check "appstreamcli validate" appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
# man formats in a sandbox that a preloaded libfaketime (a run of the suite under faketime) cannot work in.
check "the man page formats without warnings" test -z "$(env -u LD_PRELOAD LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l \
    "$share/man/man1/ixo.1.gz" 2>&1 >/dev/null)"
# Not installed, lintian fails the check with "command not found" (scripts/install-deps brings it).
lintian --fail-on error,warning --display-info "$deb" >"$root/lintian.txt" 2>&1; status=$?
sed 's/^/lintian: /' "$root/lintian.txt"
check "lintian reports no errors and no warnings" test "$status" -eq 0

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
