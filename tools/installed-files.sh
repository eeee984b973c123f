#!/usr/bin/env bash
# Lists, sorted, every file an install puts under its prefix, relative to it: the programs, the
# shipped data and its translations, the menu entry, the AppStream data, the icons, the manual
# pages, the changelog and the copyright file.
#   tools/installed-files.sh BUILD_DIR SOURCE_DIR PROGRAM...
set -euo pipefail
build=$1 source=$2
shift 2
id=io.github.lexiglade.Lexiglade
{
    for p in "$@"; do echo "bin/$p"; done
    echo share/man/man6/lexiglade.6.gz
    [[ " $* " != *" lexiglade-library "* ]] || echo share/man/man1/lexiglade-library.1.gz
    echo share/doc/lexiglade/copyright
    echo share/doc/lexiglade/changelog.gz
    echo "share/applications/$id.desktop"
    echo "share/metainfo/$id.metainfo.xml"
    echo "share/icons/hicolor/scalable/apps/$id.svg"
    for size in 48 64 128 256; do echo "share/icons/hicolor/${size}x$size/apps/$id.png"; done
    for n in 1 2 3 4 5 6; do echo "share/lexiglade/a$n.asl"; done
    sets=(2x 4x)
    for ts in "$source"/assets/translations/lexiglade_*.ts; do
        language=${ts##*/lexiglade_} language=${language%.ts}
        sets+=("$language" "$language/2x" "$language/4x")
    done
    for set in "${sets[@]}"; do for n in 1 2 3 4 5; do echo "share/lexiglade/$set/a$n.asl"; done; done
    for n in 1 3 4 5 8 10 11; do echo "share/lexiglade/arc$n.mid"; done
    echo share/lexiglade/s2.asl
    for ts in "$source"/assets/translations/lexiglade_*.ts; do
        ts=${ts##*/}
        echo "share/lexiglade/translations/${ts%.ts}.qm"
    done
    (cd "$build/generated/library" && find . -type f | sed 's|^\./|share/lexiglade/|')
} | LC_ALL=C sort
