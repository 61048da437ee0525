#!/usr/bin/env bash
# Renders every example listed in data/examples/examples.txt to data/examples/NAME.png
# (160x120, anti-aliased) and joins the pictures, each under its title, into docs/examples.png.
#   VERMORA_CLI=build/src/cli/vermora-cli bash scripts/examples.sh
# VERMORA_CLI defaults to the repo's build/src/cli/vermora-cli, VERMORA_DATA to the repo's data/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cli="${VERMORA_CLI:-$root/build/src/cli/vermora-cli}"
case "$cli" in /*) ;; */*) cli="$PWD/$cli" ;; esac
export VERMORA_DATA="${VERMORA_DATA:-$root/data}"
list="$root/data/examples/examples.txt"
command -v montage >/dev/null || { echo "examples.sh: ImageMagick's montage is missing" >&2; exit 1; }
[ -x "$cli" ] || { echo "examples.sh: no vermora-cli at $cli (set VERMORA_CLI)" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
tiles=()
failed=0
while IFS='|' read -r name title description; do
    [ -n "$name" ] || continue
    set_file="$root/data/examples/$name.vmx"
    picture="$root/data/examples/$name.png"
    fresh="$work/$name.png"
    if ! log="$("$cli" render "$set_file" -o "$fresh" --width 160 --height 120 --antialias 2>&1)"; then
        echo "examples.sh: $name did not render:" >&2
        echo "$log" | tail -n 5 >&2
        failed=1
        continue
    fi
    if grep -q -E 'Parse Error|Fatal error' <<<"$log"; then
        echo "examples.sh: $name: $(grep -m1 -E 'Parse Error|Fatal error' <<<"$log")" >&2
        failed=1
        continue
    fi
    # POV-Ray stamps the render date into the file: keep the old thumbnail when no pixel changed
    if [ -f "$picture" ] && [ "$(compare -metric AE "$picture" "$fresh" null: 2>&1)" = 0 ]; then
        echo "$name: $title (unchanged)"
    else
        mv "$fresh" "$picture"
        echo "$name: $title"
    fi
    tiles+=(-label "$title" "$picture")
done <"$list"

[ "$failed" = 0 ] || exit 1
mkdir -p "$root/docs"
montage "${tiles[@]}" -tile 4x -geometry 160x120+6+6 -pointsize 13 \
    -background '#202020' -fill '#e8e0d0' -define png:exclude-chunk=date,time "$root/docs/examples.png"
echo "docs/examples.png: $(( ${#tiles[@]} / 3 )) pictures"
