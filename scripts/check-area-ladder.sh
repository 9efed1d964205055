#!/usr/bin/env bash
# The areas under src/ form a ladder: a file may include headers of its own area and of areas
# on lower rungs, never of an area on its own rung or above. What two areas both need moves
# down to the lower one or to common.
set -euo pipefail
cd "$(dirname "$0")/.."

# Lowest rung first; areas on one rung must not include each other. A new area goes on the
# lowest rung above every area it includes (and below every area that includes it).
rungs=(
    "common"
    "dialogs hotkeys"
    "settings"
    "monitor processes session"
    "display update"
    "history"
    "options"
    "app"
)

declare -A rung_of
for i in "${!rungs[@]}"; do
    for area in ${rungs[$i]}; do
        rung_of[$area]=$i
    done
done

unknown() {
    echo "area '$1' ($2) is not on the ladder: add it to the rungs in scripts/check-area-ladder.sh" >&2
    exit 1
}

for dir in src/*/; do
    area=$(basename "$dir")
    [ -n "${rung_of[$area]+x}" ] || unknown "$area" "$dir"
done

bad=""
while IFS= read -r hit; do
    file=${hit%%:*}
    rest=${hit#*:}
    line=${rest%%:*}
    area=$(echo "$file" | cut -d/ -f2)
    target=$(echo "$rest" | sed -E 's/^[0-9]+:\s*#\s*include\s*"([a-z_]+)\/.*/\1/')
    [ "$target" = "$area" ] && continue
    [ -n "${rung_of[$target]+x}" ] || unknown "$target" "included by $file:$line"
    if [ "${rung_of[$target]}" -ge "${rung_of[$area]}" ]; then
        bad+="$file:$line: $area (rung ${rung_of[$area]}) includes $target (rung ${rung_of[$target]})"$'\n'
    fi
done < <(grep -rnE '^\s*#\s*include\s*"[a-z_]+/' --include='*.h' --include='*.cpp' --include='*.rc' \
             --include='*.in' src || true)

if [ -n "$bad" ]; then
    echo "includes that climb the area ladder (see docs/architecture.md):" >&2
    printf '%s' "$bad" >&2
    exit 1
fi
echo "area ladder: ok"
