#!/usr/bin/env bash
# Takes the manual's pictures of the editor at its start-up size, as a person
# would: the real lumigrid.exe under Wine, File > Load... of an example
# pattern typed into the file dialog; editor.png is the window with the
# heart's two frames, frame-menu.png the Frame menu opened by a click over
# the arrow's two frames.
#   editor-screenshots.sh BUILD_TREE OUT_DIR     (e.g. build/win64 docs/images)
# Run it under its own display: xvfb-run -a -s "-screen 0 1024x768x24" ...
set -euo pipefail
tree=$(realpath "$1")
out=$(realpath -m "$2")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
examples=$(realpath "$here/../examples/patterns")
. "$here/window-wait.sh"
mkdir -p "$out"

# The main window with whatever stands over it (an open menu is a window of its own).
shot() {
    eval "$(xdotool getwindowgeometry --shell "$main")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"
}
# File > Load... of a pattern, its Windows path typed into the file dialog.
load() {
    xdotool mousemove --window "$main" 20 35 click 1
    sleep 0.4
    xdotool key l
    local chooser
    chooser=$(await "^Open\$")
    xdotool mousemove --window "$chooser" 60 8 click 1
    sleep 0.3
    xdotool type --delay 20 "Z:${1//\//\\}"
    xdotool key Return
    gone "^Open\$"
    sleep 1
}

start_editor "$tree"
load "$examples/heart.led"
# The pointer off the grid, so that nothing but the pattern is drawn.
xdotool mousemove --window "$main" 700 500
sleep 0.5
shot "$out/editor.png"

load "$examples/arrow.led"
# "F&rame" stands after "&View" in the menu bar.
xdotool mousemove --window "$main" 128 35 click 1
sleep 1
shot "$out/frame-menu.png"
xdotool key Escape
echo "$out/editor.png $out/frame-menu.png"
