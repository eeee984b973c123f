#!/usr/bin/env bash
# Lists, sorted, every file an install puts under its prefix, relative to it: the programs, the
# shipped data, the menu entry, the AppStream data and the icons.
#   tools/installed-files.sh BUILD_DIR SOURCE_DIR PROGRAM...
set -euo pipefail
build=$1 source=$2
shift 2
id=io.github.lexiglade.Lexiglade
{
    for p in "$@"; do echo "bin/$p"; done
    echo "share/applications/$id.desktop"
    echo "share/metainfo/$id.metainfo.xml"
    echo "share/icons/hicolor/scalable/apps/$id.svg"
    for size in 48 64 128 256; do echo "share/icons/hicolor/${size}x$size/apps/$id.png"; done
    for n in 1 2 3 4 5 6; do echo "share/lexiglade/a$n.asl"; done
    for set in 2x 4x; do for n in 1 2 3 4 5; do echo "share/lexiglade/$set/a$n.asl"; done; done
    for n in 1 3 4 5 8 10 11; do echo "share/lexiglade/arc$n.mid"; done
    echo share/lexiglade/s2.asl
    for f in "$source"/assets/library/*; do echo "share/lexiglade/${f##*/}"; done
    for f in "$build"/generated/pictures/*; do echo "share/lexiglade/pictures/${f##*/}"; done
} | LC_ALL=C sort
