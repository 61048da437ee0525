#!/usr/bin/env bash
# Writes a PNG of every page and sub-page of the window, and of the Variations view,
# into OUTDIR: the window runs under Xvfb with openbox, so dialogs are placed and framed.
# SIZE sets the screen (1600x1000); a laptop's 1280x720 shows what a small screen cuts.
#   [SIZE=1280x720] bash scripts/screenshots.sh OUTDIR [BUILD_DIR]
set -euo pipefail
out="${1:?usage: screenshots.sh OUTDIR [BUILD_DIR]}"
build="${2:-build}"
cd "$(dirname "$0")/.."
cmake --build "$build" --target vermora_screenshot_tour >/dev/null
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 "${SIZE:-1600x1000}x24" -nolisten tcp &
xvfb=$!
trap 'kill $wm $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY="$display" openbox &
wm=$!
sleep 1
mkdir -p "$out"
DISPLAY="$display" XDG_CONFIG_HOME="$(mktemp -d)" "$build/tools/vermora_screenshot_tour" "$out"
