#!/usr/bin/env bash
# Lists the includes between the folders of src/ (in code and in the forms' custom widgets) and
# fails on any that goes up, or sideways to another folder of the same floor: each folder builds
# only on the floors below it.
# Usage: tools/check_floors.sh [SRC_DIR]
set -euo pipefail
src=${1:-"$(dirname "${BASH_SOURCE[0]}")/../src"}

# The floors, lowest first; the README's layout section describes the same order.
floors=(
    "resources windowing language"
    "draw sound"
    "harmonics pulsetrain shape modulation"
    "workshop"
    "catalog"
    "figures"
    "lecture"
    "cli"
    "app"
)

declare -A floor
for i in "${!floors[@]}"; do
    for folder in ${floors[$i]}; do floor[$folder]=$i; done
done

status=0
for dir in "$src"/*/; do
    from=$(basename "$dir")
    if [[ -z ${floor[$from]+set} ]]; then
        echo "floors: src/$from has no floor in tools/check_floors.sh" >&2
        status=1
        continue
    fi
    while IFS=: read -r file line to; do
        [[ $to == "$from" ]] && continue
        if [[ -z ${floor[$to]+set} ]]; then
            verdict="unknown folder"
        elif (( floor[$to] < floor[$from] )); then
            verdict="down"
        elif (( floor[$to] == floor[$from] )); then
            verdict="SIDEWAYS"
        else
            verdict="UP"
        fi
        echo "$verdict: src/$from -> src/$to (${file#"$src"/}:$line)"
        [[ $verdict == down ]] || status=1
    done < <(grep -rnoE '^#include "[a-z]+/|<header>[a-z]+/' "$dir" |
             sed -E 's|^([^:]+):([0-9]+):(#include "\|<header>)([a-z]+)/|\1:\2:\4|')
done
if (( status )); then
    echo "floors: an include goes up or sideways (see the lines not marked down)" >&2
fi
exit $status
