#!/usr/bin/env bash
# Brings translations/*.ts up to date with the texts of src/ (lupdate), for a translator to work
# on in Qt Linguist: veltarn_ru.ts takes only the plural forms of the Russian source texts, every
# other file every text. Texts gone from the sources are dropped.
#
# With --check DIR, works on copies in DIR instead, keeps the texts gone from the sources, and
# fails naming every text without a finished translation and every translation whose text is
# gone: what CI runs (the test check_translations).
#
# Usage: tools/update-translations.sh [--check DIR]   (LUPDATE names the tool, default Qt 6's)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
check=${2:-}
[[ ${1:-} == --check && -n $check ]] || [[ $# -eq 0 ]] || { sed -n 2,12p "$0" >&2; exit 2; }

status=0
for ts in "$root"/translations/*.ts; do
    name=$(basename "$ts")
    options=(-source-language ru_RU -locations none -silent)
    [[ $name == veltarn_ru.ts ]] && options+=(-pluralonly)
    if [[ -n $check ]]; then
        mkdir -p "$check"
        cp "$ts" "$check/$name"
        ts=$check/$name
    else
        options+=(-no-obsolete)
    fi
    "$lupdate" "${options[@]}" "$root/src" -ts "$ts"
    [[ -z $check ]] && continue
    # Each <message> on one line, to name the texts that are not done.
    if problems=$(tr '\n' ' ' <"$ts" | sed 's|</message>|</message>\n|g' |
                  grep -E 'type="(unfinished|vanished|obsolete)"' |
                  sed -E 's|.*<source>([^<]*)</source>.*type="([a-z]+)".*|  \2: \1|'); then
        echo "translations/$name is behind the sources (tools/update-translations.sh, then Qt Linguist):" >&2
        echo "$problems" >&2
        status=1
    fi
done
exit $status
