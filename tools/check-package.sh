#!/usr/bin/env bash
# Makes the Debian package from a built tree (default: the Release build in build/) and checks
# that it holds exactly the installed files under /usr and depends on the libraries the game
# links, the soundfont of its music and the fonts of its screens; that its copyright file is in
# Debian's machine-readable format with a License paragraph for every licence named, its
# changelog that of its version, and its manual pages free of formatting warnings.
#   tools/check-package.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

rm -f "$build"/lexiglade_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/lexiglade_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single package"
deb=${debs[0]}

programs=(lexiglade)
[ ! -e "$build/bin/lexiglade-library" ] || programs+=(lexiglade-library)
diff <("$root/tools/installed-files.sh" "$build" "$root" "${programs[@]}" | sed 's|^|usr/|') \
    <(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./||' | LC_ALL=C sort) ||
    fail "the package holds other files than the install"

depends=$(dpkg-deb --field "$deb" Depends)
for needed in libc6 libqt6widgets6 timgm6mb-soundfont fonts-dejavu-core fonts-liberation; do
    [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "the package does not depend on $needed"
done
contents=$(mktemp -d)
trap 'rm -rf "$contents"' EXIT
dpkg-deb --extract "$deb" "$contents"
doc=$contents/usr/share/doc/lexiglade
head -n1 "$doc/copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not in the machine-readable format"
for licence in $(sed -n 's/^License: //p' "$doc/copyright" | sed 's/ \(OR\|AND\) /\n/g' | sort -u); do
    # A stand-alone License paragraph: the name, then its text on continuation lines.
    awk -v name="License: $licence" 'named && /^ / { found = 1 } { named = $0 == name }
        END { exit !found }' "$doc/copyright" || fail "the copyright file lacks the $licence text"
done
version=$(dpkg-deb --field "$deb" Version)
[ "$(zcat "$doc/changelog.gz" | dpkg-parsechangelog -l- -SVersion)" = "$version" ] ||
    fail "the changelog's latest version is not the package's $version"
for page in "$contents"/usr/share/man/man*/*.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "${page##*/}: $warnings"
done
echo "package ${deb##*/}: ${#programs[@]} program(s), depends on $depends"
