#!/usr/bin/env bash
# Makes the Debian package from a built tree (default: the Release build in build/) and checks
# that it holds exactly the installed files under /usr and depends on the libraries the game
# links, the soundfont of its music and the fonts of its screens.
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
echo "package ${deb##*/}: ${#programs[@]} program(s), depends on $depends"
