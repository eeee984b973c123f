#!/usr/bin/env bash
# Checks that every player-visible text has its German and French translation: lupdate gathers the
# texts of the sources into copies of the translators' files, where no entry may be unfinished or
# empty. With --update it writes the gathered texts into the translators' files themselves, new
# ones unfinished, for the translators to complete.
#   tools/check-translations.sh [--update]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
# The folders with player-visible text, gathered as by assets/translations/CMakeLists.txt.
folders=(app media platform print ui wizard tools/make_artwork)

work=$(mktemp -d "${TMPDIR:-/tmp}/lexiglade-translations-XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$root"
mapfile -t sources < <(find "${folders[@]}" -name '*.cpp' -o -name '*.h' | sort)
if [ "${1:-}" = --update ]; then
    ts_files=(assets/translations/*.ts)
else
    cp assets/translations/*.ts "$work"/
    ts_files=("$work"/*.ts)
fi
"$lupdate" -silent -I . -locations none -no-obsolete \
    -tr-function-alias QT_TRANSLATE_NOOP+=LEXIGLADE_TRANSLATE_NOOP "${sources[@]}" -ts "${ts_files[@]}"
[ "${1:-}" = --update ] && exit 0

failed=0
for ts in "${ts_files[@]}"; do
    # The source text of every entry whose translation is unfinished or empty.
    untranslated=$(awk '/<source>/ { source = $0 }
        /<translation type="unfinished"|<translation><\/translation>|<translation\/>/ { print source }' "$ts")
    if [ -n "$untranslated" ]; then
        echo "$(basename "$ts"): texts without a translation:" >&2
        sed -e 's/^ *<source>//' -e 's/<\/source>$//' -e 's/^/  /' <<<"$untranslated" >&2
        failed=1
    fi
done
[ "$failed" -eq 0 ] && echo "every text is translated in $(basename -a "${ts_files[@]}" | tr '\n' ' ')"
exit "$failed"
