#!/usr/bin/env bash
# Screenshots panekit-frame being resized as a person would, by dragging the
# bottom-right corner of its window:  screenshot.sh [TREE] [OUTPUT.png]
# TREE is a built Windows tree (default build/win64). Needs a display: run it
# under xvfb-run -a -s "-screen 0 1024x768x24". The three states, before and
# after two resizes, are put side by side in OUTPUT (the manual's picture is
# docs/images/panekit-frame.png; a relative OUTPUT is taken from the repo's top).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
tree=$(realpath -m "${1:-build/win64}")
output=$(realpath -m "${2:-panekit-frame.png}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

scripts/wine-run.sh "$tree/bin/panekit-frame.exe" heart.led &
program=$!
window=
for _ in $(seq 1 60); do
    window=$(xdotool search --name "Panekit Frame" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.5
done
[ -n "$window" ] || { echo "panekit-frame did not show its window" >&2; exit 1; }
sleep 2

shot() {  # name: the window's area of the screen
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/$1.png"
}
drag() {  # from-x from-y to-x to-y, with the left button held
    xdotool mousemove "$1" "$2"; sleep 0.3
    xdotool mousedown 1; sleep 0.3
    xdotool mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2)); sleep 0.3
    xdotool mousemove "$3" "$4"; sleep 0.3
    xdotool mouseup 1; sleep 1.5
}
corner() {  # the bottom-right corner of the window's frame
    eval "$(xdotool getwindowgeometry --shell "$window")"
    echo $((X + WIDTH - 2)) $((Y + HEIGHT - 2))
}

shot before
drag $(corner) 900 600
shot larger
drag $(corner) 470 330
shot smaller
xdotool windowclose "$window" 2>/dev/null || true
sleep 1
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
WINEPREFIX="$tree/wineprefix" wineserver -k 2>/dev/null || true

convert "$work/before.png" "$work/larger.png" "$work/smaller.png" -background '#202020' \
    -gravity east -splice 12x0 -gravity north +append +repage -resize 70% -colors 24 +dither \
    "PNG8:$output"
echo "Screenshot: $output"
